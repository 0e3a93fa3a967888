#include "editor/NoteForm.h"

#include "schedule/Calendar.h"
#include "schedule/DateText.h"
#include "schedule/RhyDetails.h"

#include <algorithm>

namespace qb {

namespace {

// A stored time outside the day (a damaged row) shows as the nearest end of the day.
QString hhmm(double fraction)
{
    const int minutes = secondsOfDay(std::clamp(fraction, 0.0, 1.0)) / 60;
    return QStringLiteral("%1:%2")
        .arg(minutes / 60 % 24, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString storedDate(const NoteRow& row, const QString& fallback, const QLocale& locale)
{
    if (!row.StartDatum)
        return fallback;
    const QDate date = toQDate(*row.StartDatum);
    return date.isValid() ? DatumFormatieren(date, locale) : fallback;
}

QString storedNumber(const std::optional<qint16>& number, const QString& fallback)
{
    return number ? QString::number(*number) : fallback;
}

void loadMonthly(NoteForm& form, QStringView details)
{
    if (details.isEmpty())
        return;
    if (ZahlLesen(details.left(1)) == 1) {
        form.monthlyKind = NoteDraft::MonthlyKind::DayOfMonth;
        form.tagZahlMon = details.mid(1).toString();
        return;
    }
    const MonthlyDetails monthly = monthlyDetails(details);
    form.monthlyKind = NoteDraft::MonthlyKind::NthWeekday;
    form.position = std::clamp(monthly.position, 0, 5); // 5 and above: the last
    if (monthly.weekday >= 0 && monthly.weekday <= 6)
        form.weekday = monthly.weekday;
}

void loadYearly(NoteForm& form, QStringView details)
{
    const qsizetype groups = std::min<qsizetype>(yearlyGroupCount(details), 4);
    for (qsizetype i = 0; i < groups; ++i) {
        const YearlyGroup group = yearlyGroupAt(details, i);
        NoteForm::YearlyRow& row = form.yearlyRows[static_cast<std::size_t>(i)];
        row.day = details.mid(i * 4, 2).toString();
        row.month = group.month >= 1 && group.month <= 12 ? group.month - 1 : -1;
    }
}

} // namespace

NoteDraft NoteForm::draft() const
{
    NoteDraft draft;
    draft.notiz = notiz;
    draft.timeControl = timeControl;
    draft.rhythm = rhythm;
    draft.fromTo = fromTo;
    draft.fromTime = fromTime;
    draft.toTime = toTime;
    draft.weekdays = weekdays;
    draft.weeks = dauerWoc;
    draft.monthlyKind = monthlyKind;
    draft.dayOfMonth = tagZahlMon;
    draft.position = monthlyKind == NoteDraft::MonthlyKind::NthWeekday ? position : 0;
    draft.weekday = std::max(weekday, 0);
    for (std::size_t i = 0; i < yearlyRows.size(); ++i)
        draft.yearlyRows[i] = {yearlyRows[i].day, yearlyRows[i].month + 1};
    switch (timeControl ? rhythm : 0) {
    case 2:
        draft.firstDate = erstDatumWoc;
        break;
    case 3:
        draft.firstDate = erstDatumMon;
        draft.daysInAdvance = vorherMon;
        break;
    case 4:
        draft.firstDate = erstDatumJah;
        draft.daysInAdvance = vorherJah;
        break;
    default:
        break;
    }
    return draft;
}

void NoteForm::takeTimes(const NoteDraft& draft)
{
    fromTo = draft.fromTo;
    fromTime = draft.fromTime;
    toTime = draft.toTime;
}

NoteForm newNoteForm(QDate today, const QLocale& locale)
{
    NoteForm form;
    const Days day = toSysDays(today);
    form.weekdays[static_cast<std::size_t>(WochentagMo(day) - 1)] = true;
    const QString date = DatumFormatieren(today, locale);
    form.erstDatumWoc = form.erstDatumMon = form.erstDatumJah = date;
    form.tagZahlMon = QString::number(today.day());
    form.yearlyRows[0] = {QString::number(today.day()), today.month() - 1};
    form.weekday = WochentagMo(day) - 1;
    return form;
}

NoteForm storedNoteForm(const NoteRow& row, QDate today, const QLocale& locale)
{
    NoteForm form = newNoteForm(today, locale);
    form.notiz = row.inhalt;
    const int rhythm = row.Rhythmus.value_or(0);
    if (rhythm < 1 || rhythm > 4)
        return form;
    form.timeControl = true;
    form.rhythm = rhythm;
    const double from = row.UhrVon.value_or(0.0);
    const double to = row.UhrBis.value_or(0.0);
    if (from + to != 0.0) {
        form.fromTo = true;
        form.fromTime = hhmm(from);
        form.toTime = hhmm(to);
    }
    const QString details = row.RhyDetails.value_or(QString());
    switch (rhythm) {
    case 2:
        form.weekdays = weeklyDetails(details).chosen;
        form.erstDatumWoc = storedDate(row, form.erstDatumWoc, locale);
        form.dauerWoc = storedNumber(row.Dauer, form.dauerWoc);
        break;
    case 3:
        loadMonthly(form, details);
        form.erstDatumMon = storedDate(row, form.erstDatumMon, locale);
        form.vorherMon = storedNumber(row.Vorher, form.vorherMon);
        break;
    case 4:
        loadYearly(form, details);
        form.erstDatumJah = storedDate(row, form.erstDatumJah, locale);
        form.vorherJah = storedNumber(row.Vorher, form.vorherJah);
        break;
    default:
        break;
    }
    return form;
}

} // namespace qb
