#include "schedule/ScheduleEvaluation.h"

#include "schedule/RhyDetails.h"

namespace qb {

namespace {

using std::chrono::days;

// Step 2 of isDue: the time-of-day window.
bool inTimeWindow(const NoteRow& row, int secondOfDay)
{
    if (!row.UhrVon || !row.UhrBis)
        return false;
    // The whole day is recognised by the sum of the two stored values.
    if (*row.UhrVon + *row.UhrBis == 0)
        return true;
    // Otherwise a time outside the day cannot be compared with the clock: never due.
    const auto withinDay = [](double fraction) { return fraction >= 0.0 && fraction <= 1.0; };
    if (!withinDay(*row.UhrVon) || !withinDay(*row.UhrBis))
        return false;
    return secondsOfDay(*row.UhrVon) <= secondOfDay && secondOfDay <= secondsOfDay(*row.UhrBis);
}

std::chrono::year_month_day splitDay(Days today)
{
    return std::chrono::year_month_day{today};
}

} // namespace

bool isDueWeekly(const NoteRow& row, Days today)
{
    if (!row.StartDatum || !row.Dauer || !row.RhyDetails)
        return false;
    if (today < *row.StartDatum)
        return false;
    if (*row.Dauer > 0 && today >= *row.StartDatum + days{7 * static_cast<int>(*row.Dauer)})
        return false;
    return weeklyDetails(*row.RhyDetails).isChosen(WochentagMo(today));
}

bool isDueMonthly(const NoteRow& row, Days today)
{
    if (!row.StartDatum || !row.Vorher || !row.RhyDetails)
        return false;
    if (today < *row.StartDatum)
        return false;
    const qint64 vorher = *row.Vorher;
    const MonthlyDetails details = monthlyDetails(*row.RhyDetails);
    const auto date = splitDay(today);
    const qint64 dayOfMonth = static_cast<unsigned>(date.day());
    if (details.kind == MonthlyDetails::Kind::DayOfMonth)
        return details.day - vorher <= dayOfMonth && dayOfMonth <= details.day;

    const int year = static_cast<int>(date.year());
    const int month = static_cast<int>(static_cast<unsigned>(date.month()));
    const Days firstOfMonth = today - days{dayOfMonth - 1};
    // Weekday numbers beyond int range cannot match; keep the +1 from overflowing.
    const int wochentag = details.weekday >= 0 && details.weekday <= 6 ? details.weekday + 1 : 0;
    const int dueDay = dayOfNthWeekday(WochentagMo(firstOfMonth), TageImMonat(month, year),
                                       wochentag, details.position);
    if (dueDay == 0)
        return false;
    const qint64 daysUntilDue = dueDay - dayOfMonth;
    return daysUntilDue >= 0 && daysUntilDue <= vorher;
}

bool isDueYearly(const NoteRow& row, Days today)
{
    if (!row.StartDatum || !row.Vorher || !row.RhyDetails)
        return false;
    if (today < *row.StartDatum)
        return false;
    const days vorher{*row.Vorher};
    const int year = static_cast<int>(splitDay(today).year());
    const QStringView rhyDetails = *row.RhyDetails;
    const qsizetype groups = yearlyGroupCount(rhyDetails);
    for (qsizetype i = 0; i < groups; ++i) {
        const YearlyGroup group = yearlyGroupAt(rhyDetails, i);
        const Days anniversary = DatumAusTeilen(year, group.month, group.day);
        if (anniversary - vorher <= today && today <= anniversary)
            return true;
    }
    return false;
}

bool isDue(const NoteRow& row, Days today, int secondOfDay)
{
    if (!row.Rhythmus)
        return false;
    const int rhythmus = *row.Rhythmus;
    if (rhythmus == 0)
        return true;
    if (!imChronoBereich(today) || !inTimeWindow(row, secondOfDay))
        return false;
    switch (rhythmus) {
    case 1:
        return true;
    case 2:
        return isDueWeekly(row, today);
    case 3:
        return isDueMonthly(row, today);
    case 4:
        return isDueYearly(row, today);
    default:
        return true;
    }
}

bool isDue(const NoteRow& row, QDate today, int secondOfDay)
{
    if (!today.isValid())
        return row.Rhythmus == 0;
    return isDue(row, toSysDays(today), secondOfDay);
}

bool isDue(const NoteRow& row, const QDateTime& moment)
{
    return isDue(row, moment.date(), moment.time().msecsSinceStartOfDay() / 1000);
}

} // namespace qb
