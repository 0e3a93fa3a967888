#pragma once

#include <QDate>

#include <chrono>
#include <cstdint>

// Calendar routines on the one day pivot, std::chrono::sys_days (days since 1970-01-01,
// proleptic Gregorian calendar). QDate enters and leaves only through toSysDays/toQDate.
namespace qb {

using Days = std::chrono::sys_days;

// The years a note's dates may name, alike in the editor, the companion and the
// evaluation: four digits, and none before 1900, which no schedule of a running program
// needs and which a typing slip ("1.1.202") reaches.
inline constexpr int firstAcceptedYear = 1900;
inline constexpr int lastAcceptedYear = 9999;
constexpr bool yearAccepted(std::int64_t year)
{
    return year >= firstAcceptedYear && year <= lastAcceptedYear;
}

// True for a Gregorian leap year: divisible by 4, except centuries not divisible by 400.
constexpr bool isLeapYear(std::int64_t year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Number of days of a month: 28, 29, 30 or 31.
// Month 1-12; a month outside that range counts on from the given year (13 = January of
// the next year, 0 = December of the previous one), as in DatumAusTeilen.
constexpr int TageImMonat(int month, int year)
{
    const std::int64_t zeroBased = static_cast<std::int64_t>(month) - 1;
    const std::int64_t yearShift = zeroBased >= 0 ? zeroBased / 12 : (zeroBased - 11) / 12;
    const int m = static_cast<int>(zeroBased - yearShift * 12) + 1;
    const std::int64_t y = year + yearShift;
    switch (m) {
    case 2:
        return isLeapYear(y) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

// Weekday number of a day: Monday = 1 ... Sunday = 7.
constexpr int WochentagMo(Days day)
{
    return static_cast<int>(std::chrono::weekday{day}.iso_encoding());
}

namespace detail {

// Days from 1970-01-01 to year/month/day (month 1-12, day 1-31), for any 64-bit year whose
// day count fits (|year| below 10^15). Howard Hinnant's days_from_civil.
constexpr std::int64_t daysFromCivil(std::int64_t year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

} // namespace detail

// The date built from year, month and day, every part an arbitrary int: the first day of
// the month, moved by (day - 1) days; a month outside 1-12 first moves the year. So
// (2027, 2, 29) is 1 March 2027, day 0 is the last day of the previous month and
// (2026, 13, 1) is 1 January 2027. No overflow for any int inputs.
constexpr Days DatumAusTeilen(int year, int month, int day)
{
    const std::int64_t zeroBased = static_cast<std::int64_t>(month) - 1;
    const std::int64_t yearShift = zeroBased >= 0 ? zeroBased / 12 : (zeroBased - 11) / 12;
    const int m = static_cast<int>(zeroBased - yearShift * 12) + 1;
    const std::int64_t first = detail::daysFromCivil(year + yearShift, m, 1);
    return Days{std::chrono::days{first + static_cast<std::int64_t>(day) - 1}};
}

// The days whose year std::chrono::year can hold; the evaluation splits today into
// year, month and day only inside this range.
inline constexpr Days firstChronoDay = Days{std::chrono::year::min() / 1 / 1};
inline constexpr Days lastChronoDay = Days{std::chrono::year::max() / 12 / 31};

constexpr bool imChronoBereich(Days day)
{
    return day >= firstChronoDay && day <= lastChronoDay;
}

// The bridge to QDate. Julian day 2440588 is 1970-01-01. Precondition: date.isValid().
inline Days toSysDays(QDate date)
{
    return Days{std::chrono::days{date.toJulianDay() - 2440588}};
}

// The bridge back; an invalid QDate when the day lies outside QDate's range.
inline QDate toQDate(Days day)
{
    return QDate::fromJulianDay(day.time_since_epoch().count() + 2440588);
}

// Anchors: the Gregorian century rule, the weekday numbering and the roll-over examples.
static_assert(TageImMonat(2, 2024) == 29 && TageImMonat(2, 2025) == 28);
static_assert(TageImMonat(2, 2100) == 28 && TageImMonat(2, 2000) == 29);
static_assert(TageImMonat(4, 2026) == 30 && TageImMonat(12, 2026) == 31);
static_assert(TageImMonat(14, 2023) == 29 && TageImMonat(0, 2026) == 31);
static_assert(WochentagMo(Days{std::chrono::days{0}}) == 4); // 1970-01-01, a Thursday
static_assert(WochentagMo(Days{std::chrono::year{2026} / 12 / 6}) == 7);
static_assert(WochentagMo(Days{std::chrono::year{2026} / 12 / 7}) == 1);
static_assert(DatumAusTeilen(2027, 2, 29) == Days{std::chrono::year{2027} / 3 / 1});
static_assert(DatumAusTeilen(2026, 1, 45) == Days{std::chrono::year{2026} / 2 / 14});
static_assert(DatumAusTeilen(2026, 3, 0) == Days{std::chrono::year{2026} / 2 / 28});
static_assert(DatumAusTeilen(2026, 13, 1) == Days{std::chrono::year{2027} / 1 / 1});
static_assert(DatumAusTeilen(2026, -1, 1) == Days{std::chrono::year{2025} / 11 / 1});
static_assert(DatumAusTeilen(1600, 2, 29) == Days{std::chrono::year{1600} / 2 / 29});
static_assert(DatumAusTeilen(-1, 3, 1) == Days{std::chrono::year{-1} / 3 / 1});

} // namespace qb
