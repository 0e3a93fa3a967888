#include "schedule/ScheduleEvaluation.h"

#include "ScheduleTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qb {
namespace {

using namespace std::chrono;
using test::ymd;

constexpr int firstYear = 1990;
constexpr int lastYear = 2110;

// The n-th and last weekday rules against std::chrono's own calendar: for every month of
// 1990-2110, every weekday and position, the evaluation finds exactly the day that
// year_month_weekday (or year_month_weekday_last) names, and none when that is not ok().
TEST(WeekdayCrossCheck, NthAndLastWeekdayMatchChrono)
{
    for (int y = firstYear; y <= lastYear; ++y) {
        for (unsigned m = 1; m <= 12; ++m) {
            const year_month month = year{y} / m;
            const unsigned length = static_cast<unsigned>((month / last).day());
            for (unsigned w = 0; w < 7; ++w) {
                const weekday wd{w + 1}; // chrono: 1 = Monday ... 6 = Saturday, 7 = Sunday
                for (int position = 1; position <= 5; ++position) {
                    const QString details = QStringLiteral("2%1%2").arg(position).arg(w);
                    const NoteRow row = test::datedRow(3, ymd(1900, 1, 1), 0, details);
                    const year_month_day expected =
                        position == 5 ? year_month_day{month / wd[last]}
                                      : year_month_day{month / wd[static_cast<unsigned>(position)]};
                    const bool exists = position == 5 || (month / wd[position]).ok();
                    for (unsigned d = 1; d <= length; ++d) {
                        const Days today = Days{month / d};
                        const bool shouldBeDue = exists && Days{expected} == today;
                        ASSERT_EQ(isDue(row, today, 0), shouldBeDue)
                            << y << '-' << m << '-' << d << " details " << details.toStdString();
                    }
                }
            }
        }
    }
}

// The day-of-month rule with Vorher against the month lengths of std::chrono: the due days
// are D - Vorher .. D, cut to the days the month has.
TEST(WeekdayCrossCheck, DayOfMonthWindowsMatchChrono)
{
    for (int y = firstYear; y <= lastYear; ++y) {
        for (unsigned m = 1; m <= 12; ++m) {
            const year_month month = year{y} / m;
            const int length = static_cast<int>(static_cast<unsigned>((month / last).day()));
            for (int dayNumber = 1; dayNumber <= 31; ++dayNumber) {
                for (qint16 vorher : {0, 2}) {
                    const NoteRow row = test::datedRow(3, ymd(1900, 1, 1), vorher,
                                                       QStringLiteral("1%1").arg(dayNumber));
                    for (int d = 1; d <= length; ++d) {
                        const bool shouldBeDue = dayNumber - vorher <= d && d <= dayNumber;
                        ASSERT_EQ(isDue(row, Days{month / static_cast<unsigned>(d)}, 0),
                                  shouldBeDue)
                            << y << '-' << m << '-' << d << " day " << dayNumber << " vorher "
                            << vorher;
                    }
                }
            }
        }
    }
}

// The n-th weekday with Vorher: due exactly on the Vorher days before the chrono day and on
// it, never in the month before.
TEST(WeekdayCrossCheck, NthWeekdayAnnouncementStaysInItsMonth)
{
    constexpr int vorher = 6;
    for (int y = firstYear; y <= lastYear; ++y) {
        for (unsigned m = 1; m <= 12; ++m) {
            const year_month month = year{y} / m;
            const Days target{month / Monday[1]};
            const NoteRow row = test::datedRow(3, ymd(1900, 1, 1), vorher, QStringLiteral("210"));
            for (int offset = -10; offset <= 3; ++offset) {
                const Days today = target + days{offset};
                const bool inMonth = year_month_day{today}.month() == month.month();
                const bool shouldBeDue = inMonth && offset <= 0 && offset >= -vorher;
                ASSERT_EQ(isDue(row, today, 0), shouldBeDue) << y << '-' << m << " " << offset;
            }
        }
    }
}

} // namespace
} // namespace qb
