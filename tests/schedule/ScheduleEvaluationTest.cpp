#include "schedule/ScheduleEvaluation.h"

#include "ScheduleTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace qb {
namespace {

using test::at;
using test::datedRow;
using test::uhr;
using test::weeklyRow;
using test::ymd;

struct Case
{
    const char* name;
    NoteRow row;
    Days today;
    int second;
    bool due;
};

void expectCases(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isDue(c.row, c.today, c.second), c.due)
            << "on " << testing::PrintToString(c.today);
    }
}

const QString allDays = QStringLiteral("-1-1-1-1-1-1-1");
const QString mondayWednesday = QStringLiteral("-1 0-1 0 0 0 0");
constexpr Days aMonday = ymd(2026, 12, 7);

// The time-of-day window is closed at both ends and exact to the second.
TEST(ScheduleEvaluation, TimeWindowBoundaries)
{
    const NoteRow office = test::dailyRow(uhr(8, 0), uhr(17, 30));
    const NoteRow wholeDay = test::dailyRow(0, 0);
    const NoteRow untilLastMinute = test::dailyRow(0, 1439.0 / 1440);
    NoteRow weeklyOffice = weeklyRow(aMonday, 0, allDays);
    weeklyOffice.UhrVon = uhr(8, 0);
    weeklyOffice.UhrBis = uhr(17, 30);
    NoteRow yearlyInWindow = datedRow(4, aMonday, 0, QStringLiteral("0712"));
    yearlyInWindow.UhrVon = uhr(9, 15);
    yearlyInWindow.UhrBis = uhr(9, 16);
    expectCases({
        {"one second before the start", office, aMonday, at(7, 59, 59), false},
        {"at the start", office, aMonday, at(8, 0), true},
        {"inside", office, aMonday, at(12, 0), true},
        {"at the end, 17:30 stored as 17/24 + 30/1440", office, aMonday, at(17, 30), true},
        {"one second after the end", office, aMonday, at(17, 30, 1), false},
        {"00:00 to 23:59 at 23:59:00", untilLastMinute, aMonday, at(23, 59), true},
        {"00:00 to 23:59 after 23:59:00", untilLastMinute, aMonday, at(23, 59, 1), false},
        {"00:00 to 23:59 at midnight", untilLastMinute, aMonday, 0, true},
        {"whole day at midnight", wholeDay, aMonday, 0, true},
        {"whole day at the last second", wholeDay, aMonday, at(23, 59, 59), true},
        {"window applies to a weekly note too", weeklyOffice, aMonday, at(17, 30, 1), false},
        {"weekly note inside its window", weeklyOffice, aMonday, at(8, 0), true},
        {"yearly one-minute window, start", yearlyInWindow, aMonday, at(9, 15), true},
        {"yearly one-minute window, end", yearlyInWindow, aMonday, at(9, 16), true},
        {"yearly one-minute window, after", yearlyInWindow, aMonday, at(9, 16, 1), false},
    });
}

// The minute fractions of every time of day round to the exact second they stand for.
TEST(ScheduleEvaluation, EveryStoredMinuteIsExact)
{
    for (int minute = 1; minute < 1440; ++minute) {
        const NoteRow row = test::dailyRow(uhr(minute / 60, minute % 60), 1439.0 / 1440);
        ASSERT_FALSE(isDue(row, aMonday, minute * 60 - 1)) << minute;
        ASSERT_TRUE(isDue(row, aMonday, minute * 60)) << minute;
    }
}

TEST(ScheduleEvaluation, Weekly)
{
    const QString sundayOnly = QStringLiteral(" 0 0 0 0 0 0-1");
    expectCases({
        {"chosen Monday on the start day", weeklyRow(aMonday, 0, mondayWednesday), aMonday, 0,
         true},
        {"Tuesday not chosen", weeklyRow(aMonday, 0, mondayWednesday), ymd(2026, 12, 8), 0, false},
        {"chosen Wednesday", weeklyRow(aMonday, 0, mondayWednesday), ymd(2026, 12, 9), 0, true},
        {"chosen weekday before StartDatum", weeklyRow(aMonday, 0, mondayWednesday),
         ymd(2026, 11, 30), 0, false},
        {"Dauer 0 has no end", weeklyRow(aMonday, 0, mondayWednesday), ymd(2040, 12, 3), 0, true},
        {"Dauer 1: last day is the Sunday after", weeklyRow(aMonday, 1, allDays), ymd(2026, 12, 13),
         0, true},
        {"Dauer 1: not the Monday a week later", weeklyRow(aMonday, 1, allDays), ymd(2026, 12, 14),
         0, false},
        {"Dauer 2: fourteenth day", weeklyRow(aMonday, 2, allDays), ymd(2026, 12, 20), 0, true},
        {"Dauer 2: fifteenth day", weeklyRow(aMonday, 2, allDays), ymd(2026, 12, 21), 0, false},
        {"negative Dauer has no end", weeklyRow(aMonday, -3, allDays), ymd(2030, 1, 1), 0, true},
        {"Sunday alone on a Sunday", weeklyRow(aMonday, 0, sundayOnly), ymd(2026, 12, 13), 0, true},
        {"Sunday alone on a Saturday", weeklyRow(aMonday, 0, sundayOnly), ymd(2026, 12, 12), 0,
         false},
        {"short text: Monday present", weeklyRow(aMonday, 0, QStringLiteral("-1")), aMonday, 0,
         true},
        {"short text: missing Tuesday", weeklyRow(aMonday, 0, QStringLiteral("-1")),
         ymd(2026, 12, 8), 0, false},
        {"odd length: half a Tuesday group counts", weeklyRow(aMonday, 0, QStringLiteral(" 01")),
         ymd(2026, 12, 8), 0, true},
        {"empty details choose nothing", weeklyRow(aMonday, 0, QString()), aMonday, 0, false},
        {"blanks read as 0", weeklyRow(aMonday, 0, QStringLiteral("              ")), aMonday, 0,
         false},
        {"a lone minus reads as 0", weeklyRow(aMonday, 0, QStringLiteral("- 0 0 0 0 0 0")), aMonday,
         0, false},
        {"letters read as 0", weeklyRow(aMonday, 0, QStringLiteral("ab-1")), aMonday, 0, false},
        {"digit after a letter is not read", weeklyRow(aMonday, 0, QStringLiteral("x1")), aMonday,
         0, false},
        {"any non-zero value chooses", weeklyRow(aMonday, 0, QStringLiteral(" 7")), aMonday, 0,
         true},
        {"a remainder past Sunday is ignored",
         weeklyRow(aMonday, 0, QStringLiteral(" 0 0 0 0 0 0 0-1-1")), aMonday, 0, false},
    });
}

TEST(ScheduleEvaluation, MonthlyDayOfMonth)
{
    const auto monthly = [](qint16 vorher, const char* details) {
        return datedRow(3, ymd(2020, 1, 1), vorher, QString::fromLatin1(details));
    };
    expectCases({
        {"31st on 31 March", monthly(0, "131"), ymd(2026, 3, 31), 0, true},
        {"31st never in April", monthly(0, "131"), ymd(2026, 4, 30), 0, false},
        {"31st never in February", monthly(0, "131"), ymd(2024, 2, 29), 0, false},
        {"31st with Vorher 1 on 30 April", monthly(1, "131"), ymd(2026, 4, 30), 0, true},
        {"31st with Vorher 1 not on 29 April", monthly(1, "131"), ymd(2026, 4, 29), 0, false},
        {"29th in a leap February", monthly(0, "129"), ymd(2024, 2, 29), 0, true},
        {"29th not in a common February", monthly(0, "129"), ymd(2025, 2, 28), 0, false},
        {"29th with Vorher 1 on 28 February", monthly(1, "129"), ymd(2025, 2, 28), 0, true},
        {"30th not in February", monthly(0, "130"), ymd(2024, 2, 29), 0, false},
        {"30th with Vorher 1 on 29 February", monthly(1, "130"), ymd(2024, 2, 29), 0, true},
        {"window 3rd - 5 starts on the 1st", monthly(5, "13"), ymd(2026, 6, 1), 0, true},
        {"window ends on the day itself", monthly(5, "13"), ymd(2026, 6, 3), 0, true},
        {"not the day after", monthly(5, "13"), ymd(2026, 6, 4), 0, false},
        {"not carried back into the month before", monthly(5, "13"), ymd(2026, 5, 31), 0, false},
        {"day 0 is never due", monthly(0, "10"), ymd(2026, 6, 1), 0, false},
        {"missing day number reads as 0", monthly(3, "1"), ymd(2026, 6, 1), 0, false},
        {"negative day number", monthly(40, "1-5"), ymd(2026, 6, 1), 0, false},
        {"blank before the number is skipped", monthly(0, "1 15"), ymd(2026, 6, 15), 0, true},
        {"letters after the number are ignored", monthly(0, "115ab"), ymd(2026, 6, 15), 0, true},
        {"huge day number saturates", monthly(0, "199999999999999999999"), ymd(2026, 6, 30), 0,
         false},
        {"negative Vorher leaves no window", monthly(-1, "115"), ymd(2026, 6, 15), 0, false},
        {"before StartDatum", datedRow(3, ymd(2026, 7, 1), 0, QStringLiteral("115")),
         ymd(2026, 6, 15), 0, false},
    });
}

TEST(ScheduleEvaluation, MonthlyNthWeekday)
{
    // December 2026 starts on a Tuesday: Tuesdays to Thursdays five times, Fridays four.
    // January 2027 starts on a Friday: five Fridays.
    const auto monthly = [](qint16 vorher, const char* details) {
        return datedRow(3, ymd(2020, 1, 1), vorher, QString::fromLatin1(details));
    };
    expectCases({
        {"last Friday in a four-Friday month", monthly(0, "254"), ymd(2026, 12, 25), 0, true},
        {"not the third Friday", monthly(0, "254"), ymd(2026, 12, 18), 0, false},
        {"last Friday in a five-Friday month", monthly(0, "254"), ymd(2027, 1, 29), 0, true},
        {"not the fourth of five Fridays", monthly(0, "254"), ymd(2027, 1, 22), 0, false},
        {"last Thursday is the fifth", monthly(0, "253"), ymd(2026, 12, 31), 0, true},
        {"fourth Thursday", monthly(0, "243"), ymd(2026, 12, 24), 0, true},
        {"first Tuesday on the 1st", monthly(0, "211"), ymd(2026, 12, 1), 0, true},
        {"second Tuesday, 3 days before", monthly(3, "221"), ymd(2026, 12, 5), 0, true},
        {"second Tuesday, on the day", monthly(3, "221"), ymd(2026, 12, 8), 0, true},
        {"second Tuesday, 4 days before", monthly(3, "221"), ymd(2026, 12, 4), 0, false},
        {"second Tuesday, the day after", monthly(3, "221"), ymd(2026, 12, 9), 0, false},
        {"next month's first Monday is not announced", monthly(10, "210"), ymd(2026, 11, 30), 0,
         false},
        {"position 6 counts as last", monthly(0, "263"), ymd(2026, 12, 31), 0, true},
        {"position 0 has no day", monthly(31, "203"), ymd(2026, 12, 1), 0, false},
        {"position not a digit", monthly(31, "2x3"), ymd(2026, 12, 1), 0, false},
        {"weekday 7 matches no day", monthly(31, "217"), ymd(2026, 12, 1), 0, false},
        {"negative weekday matches no day", monthly(31, "21-1"), ymd(2026, 12, 1), 0, false},
        {"huge weekday matches no day", monthly(31, "2199999999999"), ymd(2026, 12, 1), 0, false},
        {"any kind but 1 means n-th weekday", monthly(0, "321"), ymd(2026, 12, 8), 0, true},
        {"blank kind means n-th weekday", monthly(0, " 21"), ymd(2026, 12, 8), 0, true},
        {"empty details have no day", monthly(31, ""), ymd(2026, 12, 1), 0, false},
        {"weekday digits end at a letter", monthly(0, "221x5"), ymd(2026, 12, 8), 0, true},
    });
}

TEST(ScheduleEvaluation, Yearly)
{
    const auto yearly = [](qint16 vorher, const char* details) {
        return datedRow(4, ymd(2020, 1, 1), vorher, QString::fromLatin1(details));
    };
    expectCases({
        {"29 February in a leap year", yearly(0, "2902"), ymd(2024, 2, 29), 0, true},
        {"not 1 March in a leap year", yearly(0, "2902"), ymd(2024, 3, 1), 0, false},
        {"1 March in a common year", yearly(0, "2902"), ymd(2025, 3, 1), 0, true},
        {"not 28 February in a common year", yearly(0, "2902"), ymd(2025, 2, 28), 0, false},
        {"29 February in 2100, a common year", yearly(0, "2902"), ymd(2100, 3, 1), 0, true},
        {"2 January with Vorher 5 from 28 December? no: current year only", yearly(5, "0201"),
         ymd(2026, 12, 29), 0, false},
        {"2 January with Vorher 5 on 1 January", yearly(5, "0201"), ymd(2027, 1, 1), 0, true},
        {"on the anniversary", yearly(5, "0201"), ymd(2027, 1, 2), 0, true},
        {"the day after", yearly(5, "0201"), ymd(2027, 1, 3), 0, false},
        {"Vorher 3: third day before", yearly(3, "2412"), ymd(2026, 12, 21), 0, true},
        {"Vorher 3: fourth day before", yearly(3, "2412"), ymd(2026, 12, 20), 0, false},
        {"two groups: first", yearly(0, "24120107"), ymd(2026, 12, 24), 0, true},
        {"two groups: second", yearly(0, "24120107"), ymd(2026, 7, 1), 0, true},
        {"two groups: neither", yearly(0, "24120107"), ymd(2026, 7, 2), 0, false},
        {"fourth of four groups", yearly(0, "0101020203031505"), ymd(2026, 5, 15), 0, true},
        {"remainder ignored", yearly(0, "241201"), ymd(2026, 1, 1), 0, false},
        {"group before a remainder counts", yearly(0, "241201"), ymd(2026, 12, 24), 0, true},
        {"shorter than a group: nothing", yearly(0, "241"), ymd(2026, 12, 24), 0, false},
        {"letters read as day 0: last day of the month before", yearly(0, "ab12"),
         ymd(2026, 11, 30), 0, true},
        {"day 45 of January rolls into February", yearly(0, "4501"), ymd(2026, 2, 14), 0, true},
        {"month 13 rolls into next year, not this one", yearly(0, "0113"), ymd(2026, 1, 1), 0,
         false},
        {"negative Vorher leaves no window", yearly(-2, "2412"), ymd(2026, 12, 24), 0, false},
        {"before StartDatum", datedRow(4, ymd(2027, 1, 1), 0, QStringLiteral("2412")),
         ymd(2026, 12, 24), 0, false},
    });
}

// Rows the editor cannot produce: other Rhythmus values and missing own columns.
TEST(ScheduleEvaluation, UnusualRows)
{
    NoteRow permanentWithGarbage;
    permanentWithGarbage.Rhythmus = 0;
    NoteRow noRhythmus = test::dailyRow(0, 0);
    noRhythmus.Rhythmus.reset();
    NoteRow rhythm5 = test::dailyRow(uhr(8, 0), uhr(9, 0));
    rhythm5.Rhythmus = 5;
    NoteRow rhythmNegative = rhythm5;
    rhythmNegative.Rhythmus = -1;
    NoteRow dailyWithoutUhrVon = test::dailyRow(0, 0);
    dailyWithoutUhrVon.UhrVon.reset();
    NoteRow weeklyWithoutDauer = weeklyRow(aMonday, 0, allDays);
    weeklyWithoutDauer.Dauer.reset();
    NoteRow weeklyWithoutStart = weeklyRow(aMonday, 0, allDays);
    weeklyWithoutStart.StartDatum.reset();
    NoteRow monthlyWithoutDetails = datedRow(3, aMonday, 0, QStringLiteral("17"));
    monthlyWithoutDetails.RhyDetails.reset();
    NoteRow yearlyWithoutVorher = datedRow(4, aMonday, 0, QStringLiteral("0712"));
    yearlyWithoutVorher.Vorher.reset();
    NoteRow dailyWithForeignColumnsMissing = test::dailyRow(0, 0);
    NoteRow monthlyWithoutDauer = datedRow(3, aMonday, 0, QStringLiteral("17"));
    expectCases({
        {"Rhythmus 0 needs no other column", permanentWithGarbage, aMonday, 0, true},
        {"no readable Rhythmus", noRhythmus, aMonday, 0, false},
        {"Rhythmus 5 inside the window", rhythm5, aMonday, at(8, 30), true},
        {"Rhythmus 5 outside the window", rhythm5, aMonday, at(9, 0, 1), false},
        {"negative Rhythmus gives the window", rhythmNegative, aMonday, at(8, 30), true},
        {"daily without UhrVon", dailyWithoutUhrVon, aMonday, at(8, 30), false},
        {"weekly without Dauer", weeklyWithoutDauer, aMonday, 0, false},
        {"weekly without StartDatum", weeklyWithoutStart, aMonday, 0, false},
        {"monthly without RhyDetails", monthlyWithoutDetails, aMonday, 0, false},
        {"yearly without Vorher", yearlyWithoutVorher, aMonday, 0, false},
        {"daily ignores the columns of other rhythms", dailyWithForeignColumnsMissing, aMonday, 0,
         true},
        {"monthly ignores Dauer", monthlyWithoutDauer, aMonday, 0, true},
    });
}

// The QDateTime entry drops milliseconds and sees the same second as the day-based one.
TEST(ScheduleEvaluation, MomentEntryUsesWholeSeconds)
{
    const NoteRow office = test::dailyRow(uhr(8, 0), uhr(17, 30));
    const QDate day(2026, 12, 7);
    EXPECT_TRUE(isDue(office, QDateTime(day, QTime(17, 30, 0, 999))));
    EXPECT_FALSE(isDue(office, QDateTime(day, QTime(17, 30, 1))));
    EXPECT_FALSE(isDue(office, QDateTime(day, QTime(7, 59, 59, 999))));
    NoteRow permanent;
    permanent.Rhythmus = 0;
    EXPECT_TRUE(isDue(permanent, QDate(), 0)) << "an invalid day keeps permanent notes";
    EXPECT_FALSE(isDue(test::dailyRow(0, 0), QDate(), 0));
}

} // namespace
} // namespace qb
