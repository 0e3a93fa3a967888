#include "schedule/Calendar.h"

#include "ScheduleTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace qb {
namespace {

using namespace std::chrono;
using test::ymd;

TEST(Calendar, TageImMonatFollowsTheGregorianRule)
{
    struct Case
    {
        const char* name;
        int month;
        int year;
        int days;
    };
    const Case cases[] = {
        {"leap year divisible by 4", 2, 2024, 29},
        {"common year", 2, 2025, 28},
        {"century not divisible by 400 is common", 2, 2100, 28},
        {"century divisible by 400 is leap", 2, 2000, 29},
        {"1900 is common", 2, 1900, 28},
        {"30-day month", 11, 2026, 30},
        {"31-day month", 1, 2026, 31},
        {"month 14 is February of the next year", 14, 2023, 29},
        {"month 0 is December of the year before", 0, 2026, 31},
        {"month -10 is February two years before", -10, 2026, 28},
        {"extreme month", INT_MIN, INT_MIN, TageImMonat(INT_MIN, INT_MIN)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TageImMonat(c.month, c.year), c.days);
    }
}

// DatumAusTeilen, WochentagMo and TageImMonat agree with std::chrono on every day of five
// centuries, and the bridge to QDate keeps every one of those days.
TEST(Calendar, EveryDayOfFiveCenturiesAgreesWithChrono)
{
    for (Days day = ymd(1800, 1, 1); day <= ymd(2299, 12, 31); day += days{1}) {
        const year_month_day date{day};
        const int y = static_cast<int>(date.year());
        const int m = static_cast<int>(static_cast<unsigned>(date.month()));
        const int d = static_cast<int>(static_cast<unsigned>(date.day()));
        ASSERT_EQ(DatumAusTeilen(y, m, d), day);
        ASSERT_EQ(WochentagMo(day), static_cast<int>(weekday{day}.iso_encoding()));
        ASSERT_EQ(TageImMonat(m, y), static_cast<int>(static_cast<unsigned>(
                                         (date.year() / date.month() / last).day())));
        const QDate bridged = toQDate(day);
        ASSERT_EQ(bridged, QDate(y, m, d));
        ASSERT_EQ(toSysDays(bridged), day);
    }
}

TEST(Calendar, DatumAusTeilenRollsOver)
{
    struct Case
    {
        const char* name;
        int year;
        int month;
        int day;
        Days expected;
    };
    const Case cases[] = {
        {"29 February of a common year is 1 March", 2027, 2, 29, ymd(2027, 3, 1)},
        {"29 February of 2100 is 1 March", 2100, 2, 29, ymd(2100, 3, 1)},
        {"day 0 is the last day of the month before", 2024, 3, 0, ymd(2024, 2, 29)},
        {"day 45 of January", 2026, 1, 45, ymd(2026, 2, 14)},
        {"negative day", 2026, 1, -30, ymd(2025, 12, 1)},
        {"month 13", 2026, 13, 1, ymd(2027, 1, 1)},
        {"month 0", 2026, 0, 15, ymd(2025, 12, 15)},
        {"month -12", 2026, -12, 1, ymd(2024, 12, 1)},
        {"year 0 (1 BC), leap", 0, 2, 29, ymd(0, 2, 29)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DatumAusTeilen(c.year, c.month, c.day), c.expected);
    }
}

// Any int inputs give a day count without overflow and keep the order of the days.
TEST(Calendar, DatumAusTeilenAtTheLimitsOfInt)
{
    const Days earliest = DatumAusTeilen(INT_MIN, INT_MIN, INT_MIN);
    const Days latest = DatumAusTeilen(INT_MAX, INT_MAX, INT_MAX);
    EXPECT_LT(earliest, DatumAusTeilen(INT_MIN, 1, 1));
    EXPECT_GT(latest, DatumAusTeilen(INT_MAX, 12, 31));
    EXPECT_EQ(DatumAusTeilen(2026, INT_MAX, 1) - DatumAusTeilen(2026, INT_MAX - 1, 1),
              days{TageImMonat(INT_MAX - 1, 2026)});
    EXPECT_EQ(DatumAusTeilen(2026, 1, INT_MAX) - DatumAusTeilen(2026, 1, 1), days{INT_MAX - 1});
}

} // namespace
} // namespace qb
