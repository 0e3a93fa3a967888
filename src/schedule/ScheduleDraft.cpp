#include "schedule/ScheduleDraft.h"

#include "schedule/NoteRow.h"
#include "schedule/TimeOfDay.h"

#include <algorithm>
#include <limits>

namespace qb {

namespace {

qint16 clamp16(int value)
{
    return static_cast<qint16>(std::clamp<int>(value, std::numeric_limits<qint16>::min(),
                                               std::numeric_limits<qint16>::max()));
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(std::clamp(value, 0, 99), 2, 10, QLatin1Char('0'));
}

QVariant startDatum(QDate date)
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return QVariant(QMetaType::fromType<QString>());
    return date.toString(Qt::ISODate);
}

} // namespace

QString weeklyRhyDetails(const std::array<bool, 7>& weekdays)
{
    QString text;
    for (bool chosen : weekdays)
        text += chosen ? QStringLiteral("-1") : QStringLiteral(" 0");
    return text;
}

QString monthlyRhyDetails(const ScheduleDraft& draft)
{
    if (draft.monthlyKind == ScheduleDraft::MonthlyKind::DayOfMonth)
        return QStringLiteral("1") + QString::number(draft.dayOfMonth);
    return QStringLiteral("2") + QString::number(std::clamp(draft.position, 1, 5)) +
           QString::number(draft.weekday);
}

QString yearlyRhyDetails(const std::array<ScheduleDraft::YearlyRow, 4>& rows)
{
    QString text;
    for (const ScheduleDraft::YearlyRow& row : rows) {
        if (row.day)
            text += twoDigits(*row.day) + twoDigits(row.month);
    }
    return text;
}

NoteColumns scheduleColumns(const ScheduleDraft& draft)
{
    NoteColumns columns;
    columns.insert(NoteRow::colRhythmus, QVariant(int(clamp16(draft.rhythm))));
    if (draft.rhythm == 0)
        return columns;

    columns.insert(NoteRow::colUhrVon,
                   draft.wholeDay ? 0.0 : dayFractionOfMinutes(draft.fromMinutes));
    columns.insert(NoteRow::colUhrBis,
                   draft.wholeDay ? 0.0 : dayFractionOfMinutes(draft.toMinutes));
    switch (draft.rhythm) {
    case 2:
        columns.insert(NoteRow::colStartDatum, startDatum(draft.firstDate));
        columns.insert(NoteRow::colDauer, QVariant(int(clamp16(draft.weeks))));
        columns.insert(NoteRow::colRhyDetails, weeklyRhyDetails(draft.weekdays));
        break;
    case 3:
    case 4:
        columns.insert(NoteRow::colStartDatum, startDatum(draft.firstDate));
        columns.insert(NoteRow::colVorher, QVariant(int(clamp16(draft.daysInAdvance))));
        columns.insert(NoteRow::colRhyDetails, draft.rhythm == 3
                                                   ? monthlyRhyDetails(draft)
                                                   : yearlyRhyDetails(draft.yearlyRows));
        break;
    default:
        break;
    }
    return columns;
}

} // namespace qb
