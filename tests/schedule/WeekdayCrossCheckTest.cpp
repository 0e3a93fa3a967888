#include "schedule/ScheduleEvaluation.h"

#include "ScheduleTestSupport.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using namespace std::chrono;

// Every month of 1990-2110, with and without Vorher, against std::chrono's calendar:
// - day of month D: due on D - Vorher .. D, cut to the days the month has;
// - n-th (1-4) or last (5) weekday: due on the day year_month_weekday(_last) names and on
//   the Vorher days before it that lie in the same month.
TEST(WeekdayCrossCheck, MonthlyDueDaysMatchChrono)
{
    for (int y = 1990; y <= 2110; ++y) {
        for (unsigned m = 1; m <= 12; ++m) {
            const year_month month = year{y} / m;
            const unsigned length = static_cast<unsigned>((month / last).day());
            const auto expectDue = [&](const QString& details, qint16 vorher, auto due) {
                const NoteRow row = test::note(3, details, vorher, test::ymd(1900, 1, 1));
                for (unsigned d = 1; d <= length; ++d)
                    ASSERT_EQ(isDue(row, Days{month / d}, 0), due(static_cast<int>(d)))
                        << y << '-' << m << '-' << d << ' ' << details.toStdString() << " Vorher "
                        << vorher;
            };
            for (qint16 vorher : {0, 3}) {
                for (int n = 1; n <= 31; ++n) {
                    ASSERT_NO_FATAL_FAILURE(
                        expectDue(QStringLiteral("1%1").arg(n), vorher,
                                  [&](int d) { return n - vorher <= d && d <= n; }));
                }
                for (unsigned w = 0; w < 7; ++w) {
                    const weekday wd{w + 1}; // 1 = Monday ... 7 = Sunday
                    for (unsigned position = 1; position <= 5; ++position) {
                        const year_month_day target{position == 5 ? Days{month / wd[last]}
                                                                  : Days{month / wd[position]}};
                        const int day = static_cast<int>(static_cast<unsigned>(target.day()));
                        ASSERT_NO_FATAL_FAILURE(
                            expectDue(QStringLiteral("2%1%2").arg(position).arg(w), vorher,
                                      [&](int d) { return d <= day && day - d <= vorher; }));
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace qb
