#pragma once

// Times of day are stored as fractions of a day (hours / 24 + minutes / 1440). These two
// routines are the only conversions between that encoding and whole units.
namespace qb {

// The stored encoding of a time given in minutes after midnight (0..1439), computed as
// hours / 24 + minutes / 1440 exactly as the editor has always written it.
constexpr double dayFractionOfMinutes(int minutes)
{
    return (minutes / 60) / 24.0 + (minutes % 60) / 1440.0;
}

// The whole seconds after midnight of a stored fraction, rounded to the nearest second, so
// 17/24 + 30/1440 is exactly 63000 whatever the last bit of the double.
// Precondition: 0 <= fraction <= 1 (callers check); result 0..86400.
constexpr int secondsOfDay(double fraction)
{
    return static_cast<int>(fraction * 86400.0 + 0.5);
}

static_assert(secondsOfDay(17.0 / 24 + 30.0 / 1440) == 63000);
static_assert(secondsOfDay(dayFractionOfMinutes(17 * 60 + 30)) == 63000);
static_assert(secondsOfDay(dayFractionOfMinutes(1439)) == 86340);
static_assert(secondsOfDay(0.0) == 0 && secondsOfDay(1.0) == 86400);

} // namespace qb
