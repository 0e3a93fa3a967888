#include "schedule/ScheduleEvaluation.h"

#include "ScheduleTestSupport.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace qb {
namespace {

using test::note;
using test::ymd;

struct Case
{
    const char* name;
    NoteRow row;
    Days today;
    bool due;
    int second = 0;
};

void expectCases(std::initializer_list<Case> cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isDue(c.row, c.today, c.second), c.due) << testing::PrintToString(c.today);
    }
}

constexpr int at(int hours, int minutes, int seconds = 0)
{
    return hours * 3600 + minutes * 60 + seconds;
}

// The row with the window hh:mm to hh:mm, the fractions computed as the editor does.
NoteRow window(NoteRow row, int fromH, int fromM, int toH, int toM)
{
    row.UhrVon = fromH / 24.0 + fromM / 1440.0;
    row.UhrBis = toH / 24.0 + toM / 1440.0;
    return row;
}

template <class... T> NoteRow without(NoteRow row, std::optional<T> NoteRow::*... columns)
{
    ((row.*columns).reset(), ...);
    return row;
}

constexpr Days aMonday = ymd(2026, 12, 7);

// Closed at both ends and exact to the second.
TEST(ScheduleEvaluation, TimeWindow)
{
    const NoteRow office = window(note(1), 8, 0, 17, 30);
    expectCases({
        {"one second before the start", office, aMonday, false, at(7, 59, 59)},
        {"at the start", office, aMonday, true, at(8, 0)},
        {"at the end, 17:30 stored as 17/24 + 30/1440", office, aMonday, true, at(17, 30)},
        {"one second after the end", office, aMonday, false, at(17, 30, 1)},
        {"00:00 to 00:00 is the whole day", note(1), aMonday, true, at(23, 59, 59)},
        // Regression: only both 0 counted; the rule is the sum.
        {"a sum of 0 is the whole day", window(note(1), 6, 0, -6, 0), aMonday, true,
         at(23, 59, 59)},
        {"a dated rhythm keeps its window", window(note(4, "0712"), 9, 0, 9, 1), aMonday, false,
         at(9, 1, 1)},
    });
}

// From Wednesday 1 January 2020 on.
TEST(ScheduleEvaluation, Weekly)
{
    const QString monWed = QStringLiteral("-1 0-1 0 0 0 0");
    const QString allDays = QStringLiteral("-1-1-1-1-1-1-1");
    expectCases({
        {"chosen Monday", note(2, monWed), ymd(2020, 1, 6), true},
        {"Tuesday not chosen", note(2, monWed), ymd(2020, 1, 7), false},
        {"chosen weekday before StartDatum", note(2, monWed), ymd(2019, 12, 30), false},
        {"Dauer 0 has no end", note(2, monWed), ymd(2040, 12, 3), true},
        {"Dauer 1: the seventh day", note(2, allDays, 1), ymd(2020, 1, 7), true},
        {"Dauer 1: the eighth day", note(2, allDays, 1), ymd(2020, 1, 8), false},
        {"Dauer 2: the fourteenth day", note(2, allDays, 2), ymd(2020, 1, 14), true},
        {"Dauer 2: the fifteenth day", note(2, allDays, 2), ymd(2020, 1, 15), false},
        {"negative Dauer has no end", note(2, allDays, -3), ymd(2030, 1, 1), true},
        {"Sunday is the seventh group", note(2, " 0 0 0 0 0 0-1"), ymd(2020, 1, 5), true},
        {"short: a missing group is not chosen", note(2, "-1"), ymd(2020, 1, 7), false},
        {"odd length: half a group counts", note(2, " 01"), ymd(2020, 1, 7), true},
        {"a digit after a letter is not read", note(2, "x1"), ymd(2020, 1, 6), false},
        {"any value but 0 chooses", note(2, " 7"), ymd(2020, 1, 6), true},
        {"a remainder past Sunday is ignored", note(2, " 0 0 0 0 0 0 0-1"), ymd(2020, 1, 6), false},
    });
}

// December 2026 starts on a Tuesday: Tuesdays to Thursdays five times, Fridays four.
// January 2027 starts on a Friday: five Fridays.
TEST(ScheduleEvaluation, Monthly)
{
    expectCases({
        {"31st on 31 March", note(3, "131"), ymd(2026, 3, 31), true},
        {"31st never in April", note(3, "131"), ymd(2026, 4, 30), false},
        {"31st with Vorher 1 on 30 April", note(3, "131", 1), ymd(2026, 4, 30), true},
        {"31st with Vorher 1 not on 29 April", note(3, "131", 1), ymd(2026, 4, 29), false},
        {"29th in a leap February", note(3, "129"), ymd(2024, 2, 29), true},
        {"29th not in a common February", note(3, "129"), ymd(2025, 2, 28), false},
        {"29th with Vorher 1 on 28 February", note(3, "129", 1), ymd(2025, 2, 28), true},
        {"30th with Vorher 1 on 29 February", note(3, "130", 1), ymd(2024, 2, 29), true},
        {"3rd with Vorher 5 from the 1st", note(3, "13", 5), ymd(2026, 6, 1), true},
        {"not the day after", note(3, "13", 5), ymd(2026, 6, 4), false},
        {"Vorher not carried into the month before", note(3, "13", 5), ymd(2026, 5, 31), false},
        {"short: no day number", note(3, "1", 3), ymd(2026, 6, 1), false},
        {"negative day number", note(3, "1-5", 40), ymd(2026, 6, 1), false},
        {"blank before the day number", note(3, "1 15"), ymd(2026, 6, 15), true},
        {"letters after the day number", note(3, "115ab"), ymd(2026, 6, 15), true},
        {"negative Vorher leaves no window", note(3, "115", -1), ymd(2026, 6, 15), false},
        {"last Friday, four Fridays", note(3, "254"), ymd(2026, 12, 25), true},
        {"last Friday, five Fridays", note(3, "254"), ymd(2027, 1, 29), true},
        {"fourth of five Thursdays", note(3, "243"), ymd(2026, 12, 24), true},
        {"next month's first Monday not announced", note(3, "210", 9), ymd(2026, 11, 30), false},
        {"position 6 counts as last", note(3, "263"), ymd(2026, 12, 31), true},
        {"position 0 has no day", note(3, "203", 31), ymd(2026, 12, 1), false},
        {"weekday 7 matches no day", note(3, "217", 31), ymd(2026, 12, 1), false},
        {"negative weekday matches no day", note(3, "21-1", 31), ymd(2026, 12, 1), false},
        {"blank kind means n-th weekday", note(3, " 21"), ymd(2026, 12, 8), true},
        {"weekday digits end at a letter", note(3, "221x5"), ymd(2026, 12, 8), true},
        {"before StartDatum", note(3, "11", 0, aMonday), ymd(2026, 12, 1), false},
    });
}

TEST(ScheduleEvaluation, Yearly)
{
    expectCases({
        {"29 February in a leap year", note(4, "2902"), ymd(2024, 2, 29), true},
        {"29 February is 1 March in a common year", note(4, "2902"), ymd(2025, 3, 1), true},
        {"not 28 February in a common year", note(4, "2902"), ymd(2025, 2, 28), false},
        {"Vorher 3: third day before", note(4, "2412", 3), ymd(2026, 12, 21), true},
        {"Vorher 3: fourth day before", note(4, "2412", 3), ymd(2026, 12, 20), false},
        {"the day after", note(4, "2412", 3), ymd(2026, 12, 25), false},
        {"Vorher does not reach into the next year", note(4, "0201", 5), ymd(2026, 12, 29), false},
        {"fourth of four groups", note(4, "0101020203031505"), ymd(2026, 5, 15), true},
        {"a remainder shorter than a group", note(4, "2412011"), ymd(2026, 1, 1), false},
        {"letters: day 0 of December", note(4, "ab12"), ymd(2026, 11, 30), true},
        {"day 45 of January rolls over", note(4, "4501"), ymd(2026, 2, 14), true},
        {"month 13 rolls into the next year", note(4, "0113"), ymd(2026, 1, 1), false},
        {"negative Vorher leaves no window", note(4, "2412", -2), ymd(2026, 12, 24), false},
        {"before StartDatum", note(4, "2412", 0, ymd(2027, 1, 1)), ymd(2026, 12, 24), false},
    });
}

// Rows the editor does not write: other Rhythmus values and missing columns.
TEST(ScheduleEvaluation, UnusualRows)
{
    using R = NoteRow;
    const NoteRow rhythm5 = window(note(5), 8, 0, 9, 0);
    expectCases({
        {"Rhythmus 0 needs no other column", NoteRow{.Rhythmus = 0}, aMonday, true},
        {"no readable Rhythmus", without(note(1), &R::Rhythmus), aMonday, false},
        {"Rhythmus 5 inside its window", rhythm5, aMonday, true, at(9, 0)},
        {"Rhythmus 5 outside its window", rhythm5, aMonday, false, at(9, 0, 1)},
        {"daily without UhrVon", without(note(1), &R::UhrVon), aMonday, false},
        {"daily without the dated columns",
         without(note(1), &R::StartDatum, &R::Vorher, &R::RhyDetails), aMonday, true},
        {"weekly without Dauer", without(note(2, "-1"), &R::Dauer), aMonday, false},
        {"weekly without StartDatum", without(note(2, "-1"), &R::StartDatum), aMonday, false},
        {"monthly without RhyDetails", without(note(3, "17"), &R::RhyDetails), aMonday, false},
        {"monthly without Dauer", note(3, "17"), aMonday, true},
        {"yearly without Vorher", without(note(4, "0712"), &R::Vorher), aMonday, false},
        {"no day beyond the years chrono splits", note(1), DatumAusTeilen(40000, 1, 1), false},
    });
    const QDate day(2026, 12, 7);
    EXPECT_TRUE(isDue(window(note(1), 8, 0, 17, 30), QDateTime(day, QTime(17, 30, 0, 999))));
    EXPECT_FALSE(isDue(window(note(1), 8, 0, 17, 30), QDateTime(day, QTime(17, 30, 1))));
    EXPECT_TRUE(isDue(note(0), QDate(), 0)) << "an invalid day keeps permanent notes only";
    EXPECT_FALSE(isDue(note(1), QDate(), 0));
}

} // namespace
} // namespace qb
