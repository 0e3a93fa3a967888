#pragma once

#include "schedule/Calendar.h"
#include "schedule/NoteRow.h"

#include <QDate>
#include <QDateTime>

namespace qb {

// Whether a note is due at a moment: today and the time of day in whole seconds after
// midnight. A pure function of its arguments; it keeps nothing between calls.
//
// 1. Rhythmus 0: due. A row without a readable Rhythmus: not due.
// 2. Time-of-day window, closed at both ends to the second: due when
//    UhrVon <= now <= UhrBis, or whatever now is when both are 0 (whole day).
// 3. By Rhythmus: 1 daily: due. 2 weekly, 3 monthly, 4 yearly: the rules of the rhythm
//    (isDueWeekly, isDueMonthly, isDueYearly). Any other value: the result of step 2.
// A row that lacks a column its Rhythmus needs is not due (see NoteRow). So is every row
// but a permanent one when today lies outside the years -32767..32767.
bool isDue(const NoteRow& row, Days today, int secondOfDay);

// The same with today as a QDate; an invalid date is due only for Rhythmus 0.
bool isDue(const NoteRow& row, QDate today, int secondOfDay);

// The same at a local date and time (seconds of the time; milliseconds are dropped).
bool isDue(const NoteRow& row, const QDateTime& moment);

// The rhythm rules alone, without the time-of-day window; each needs its own columns.
//
// Weekly: due from StartDatum on, before StartDatum + 7 x Dauer when Dauer > 0, on the
// weekdays chosen in RhyDetails.
bool isDueWeekly(const NoteRow& row, Days today);

// Monthly: due from StartDatum on, only for the due day of today's month:
// - day of month D: when D - Vorher <= today's day <= D (never across a month boundary);
// - n-th or last weekday: when today <= that day <= today + Vorher; a month without such
//   a day (a fifth Monday, a position 0, a weekday outside 0-6) has no due day.
bool isDueMonthly(const NoteRow& row, Days today);

// Yearly: due from StartDatum on when for one group the anniversary in today's year,
// DatumAusTeilen(year, month, day), satisfies anniversary - Vorher <= today <= anniversary.
bool isDueYearly(const NoteRow& row, Days today);

// Day of the month of the position-th occurrence (1-4; 5 or more = the last) of a weekday
// (wochentagMo 1-7) in a month of `tage` days whose first day has weekday `firstWeekday`;
// 0 when the month has no such day.
constexpr int dayOfNthWeekday(int firstWeekday, int tage, int wochentagMo, int position)
{
    if (wochentagMo < 1 || wochentagMo > 7 || position < 1)
        return 0;
    const int first = 1 + (wochentagMo - firstWeekday + 7) % 7;
    if (position >= 5)
        return first + (tage - first) / 7 * 7;
    const int day = first + (position - 1) * 7;
    return day <= tage ? day : 0;
}

// December 2026 starts on a Tuesday (2) and has 31 days.
static_assert(dayOfNthWeekday(2, 31, 2, 1) == 1 && dayOfNthWeekday(2, 31, 1, 1) == 7);
static_assert(dayOfNthWeekday(2, 31, 4, 5) == 31 && dayOfNthWeekday(2, 31, 5, 5) == 25);
static_assert(dayOfNthWeekday(2, 31, 5, 4) == 25 && dayOfNthWeekday(2, 31, 1, 4) == 28);
static_assert(dayOfNthWeekday(2, 31, 0, 1) == 0 && dayOfNthWeekday(2, 31, 3, 0) == 0);
// February 2026 starts on a Sunday (7) and has 28 days: every weekday four times.
static_assert(dayOfNthWeekday(7, 28, 6, 5) == 28 && dayOfNthWeekday(7, 28, 6, 4) == 28);

} // namespace qb
