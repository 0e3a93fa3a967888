// libFuzzer target: arbitrary column values through NoteRow::fromColumns and the evaluation.
// The input is split at 0x1F bytes into a moment and up to nine column values; the first
// byte of each value picks how it is offered (NULL, text, integer, double incl. NaN/inf,
// date), the rest is its text.
#include "schedule/NoteRow.h"
#include "schedule/RhyDetails.h"
#include "schedule/ScheduleEvaluation.h"

#include <QList>
#include <QMap>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

QVariant columnValue(const QByteArray& field)
{
    if (field.isEmpty())
        return QVariant();
    const QByteArray rest = field.mid(1);
    const QString text = QString::fromUtf8(rest);
    double d = 0;
    std::memcpy(&d, rest.leftJustified(sizeof d, '\0').constData(), sizeof d);
    switch (static_cast<unsigned char>(field[0]) % 8) {
    case 0:
        return QVariant();
    case 1:
        return text;
    case 2:
        return QVariant::fromValue(text.toLongLong());
    case 3:
        return d; // any bit pattern: NaN, infinities, huge and tiny values
    case 4:
        return QDate::fromJulianDay(static_cast<qint64>(d == d ? std::fmod(d, 1e12) : 0));
    case 5:
        return rest; // a blob
    case 6:
        return QVariant::fromValue<quint64>(text.toULongLong());
    default:
        return text.toDouble();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<QByteArray> fields = input.split('\x1f');

    // The moment: a day anywhere in QDate's range and a second, also outside 0..86399.
    qint64 julianDay = 2461000;
    int second = 0;
    if (!fields.isEmpty() && fields[0].size() >= 12) {
        std::memcpy(&julianDay, fields[0].constData(), sizeof julianDay);
        std::memcpy(&second, fields[0].constData() + 8, sizeof second);
        julianDay %= 800000000000LL;
    }
    const QString columns[] = {
        qb::NoteRow::colID,     qb::NoteRow::colInhalt, qb::NoteRow::colRhythmus,
        qb::NoteRow::colUhrVon, qb::NoteRow::colUhrBis, qb::NoteRow::colStartDatum,
        qb::NoteRow::colDauer,  qb::NoteRow::colVorher, qb::NoteRow::colRhyDetails};
    QMap<QString, QVariant> values;
    for (qsizetype i = 0; i < 9 && i + 1 < fields.size(); ++i)
        values.insert(columns[i], columnValue(fields[i + 1]));

    const qb::NoteRow row =
        qb::NoteRow::fromColumns([&](const QString& column) { return values.value(column); });
    const QDate today = QDate::fromJulianDay(julianDay);
    volatile bool due = qb::isDue(row, today, second);
    due = qb::isDue(row, QDateTime(today, QTime::fromMSecsSinceStartOfDay(second % 86400000)));
    if (today.isValid() && row.Rhythmus && *row.Rhythmus == 0 && !qb::isDue(row, today, second))
        __builtin_trap(); // a permanent note is always due
    if (row.RhyDetails) {
        qb::weeklyDetails(*row.RhyDetails);
        qb::monthlyDetails(*row.RhyDetails);
        qb::yearlyDetails(*row.RhyDetails);
    }
    (void)due;
    return 0;
}
