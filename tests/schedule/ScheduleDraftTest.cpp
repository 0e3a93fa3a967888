#include "schedule/ScheduleDraft.h"

#include "schedule/NoteRow.h"
#include "schedule/RhyDetails.h"

#include "ScheduleTestSupport.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::ymd;

NoteRow readBack(const NoteColumns& columns)
{
    return NoteRow::fromColumns([&](const QString& column) { return columns.value(column); });
}

ScheduleDraft timed(int rhythm)
{
    ScheduleDraft draft;
    draft.rhythm = rhythm;
    draft.wholeDay = false;
    draft.fromMinutes = 8 * 60;
    draft.toMinutes = 17 * 60 + 30;
    draft.firstDate = QDate(2026, 12, 4);
    return draft;
}

// Which columns a save writes for each rhythm; the others keep their old contents.
TEST(ScheduleDraft, WritesTheColumnsOfItsRhythm)
{
    struct Case
    {
        const char* name;
        int rhythm;
        QStringList columns;
    };
    const Case cases[] = {
        {"permanent", 0, {"Rhythmus"}},
        {"daily", 1, {"Rhythmus", "UhrBis", "UhrVon"}},
        {"weekly", 2, {"Dauer", "RhyDetails", "Rhythmus", "StartDatum", "UhrBis", "UhrVon"}},
        {"monthly", 3, {"RhyDetails", "Rhythmus", "StartDatum", "UhrBis", "UhrVon", "Vorher"}},
        {"yearly", 4, {"RhyDetails", "Rhythmus", "StartDatum", "UhrBis", "UhrVon", "Vorher"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(scheduleColumns(timed(c.rhythm)).keys(), c.columns);
    }
}

TEST(ScheduleDraft, RhyDetailsLayouts)
{
    ScheduleDraft sunday = timed(2);
    sunday.weekdays = {false, false, false, false, false, false, true};
    ScheduleDraft fifth = timed(3);
    fifth.dayOfMonth = 5;
    ScheduleDraft twentyFifth = timed(3);
    twentyFifth.dayOfMonth = 25;
    ScheduleDraft lastFriday = timed(3);
    lastFriday.monthlyKind = ScheduleDraft::MonthlyKind::NthWeekday;
    lastFriday.position = 5;
    lastFriday.weekday = 4;
    ScheduleDraft fourthRowOnly = timed(4);
    fourthRowOnly.yearlyRows[3] = {7, 3};
    ScheduleDraft twoRows = timed(4);
    twoRows.yearlyRows[0] = {24, 12};
    twoRows.yearlyRows[2] = {1, 7};

    struct Case
    {
        const char* name;
        ScheduleDraft draft;
        const char* rhyDetails;
    };
    const Case cases[] = {
        {"Sunday alone: six blank groups, then -1", sunday, " 0 0 0 0 0 0-1"},
        {"the 5th: two characters", fifth, "15"},
        {"the 25th: three characters", twentyFifth, "125"},
        {"last Friday", lastFriday, "254"},
        {"only the fourth yearly row: one group", fourthRowOnly, "0703"},
        {"rows left empty are skipped", twoRows, "24120107"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(scheduleColumns(c.draft).value(QStringLiteral("RhyDetails")).toString(),
                  QString::fromLatin1(c.rhyDetails));
    }
}

// Draft -> columns -> NoteRow -> parsed details gives back what the draft said.
TEST(ScheduleDraft, RoundTripsThroughTheStoredColumns)
{
    ScheduleDraft weekly = timed(2);
    weekly.weekdays = {true, false, true, false, false, true, false};
    weekly.weeks = 3;
    const NoteRow weeklyRow = readBack(scheduleColumns(weekly));
    EXPECT_EQ(weeklyRow.Rhythmus, 2);
    EXPECT_EQ(weeklyRow.StartDatum, ymd(2026, 12, 4));
    EXPECT_EQ(weeklyRow.Dauer, 3);
    EXPECT_EQ(weeklyDetails(*weeklyRow.RhyDetails).chosen, weekly.weekdays);
    EXPECT_EQ(sekundenDesTages(*weeklyRow.UhrVon), 8 * 3600);
    EXPECT_EQ(sekundenDesTages(*weeklyRow.UhrBis), 17 * 3600 + 30 * 60);

    for (int position = 1; position <= 5; ++position) {
        for (int weekday = 0; weekday <= 6; ++weekday) {
            ScheduleDraft monthly = timed(3);
            monthly.monthlyKind = ScheduleDraft::MonthlyKind::NthWeekday;
            monthly.position = position;
            monthly.weekday = weekday;
            monthly.daysInAdvance = 3;
            const NoteRow row = readBack(scheduleColumns(monthly));
            const MonthlyDetails details = monthlyDetails(*row.RhyDetails);
            ASSERT_EQ(details.kind, MonthlyDetails::Kind::NthWeekday);
            ASSERT_EQ(details.position, position);
            ASSERT_EQ(details.weekday, weekday);
            ASSERT_EQ(row.Vorher, 3);
        }
    }
    for (int day = 1; day <= 31; ++day) {
        ScheduleDraft monthly = timed(3);
        monthly.dayOfMonth = day;
        const MonthlyDetails details =
            monthlyDetails(*readBack(scheduleColumns(monthly)).RhyDetails);
        ASSERT_EQ(details.kind, MonthlyDetails::Kind::DayOfMonth);
        ASSERT_EQ(details.day, day);
    }

    ScheduleDraft yearly = timed(4);
    yearly.yearlyRows = {{{29, 2}, {std::nullopt, 5}, {1, 1}, {31, 12}}};
    const YearlyDetails details = yearlyDetails(*readBack(scheduleColumns(yearly)).RhyDetails);
    ASSERT_EQ(details.groups.size(), 3);
    EXPECT_TRUE((details.groups[0] == YearlyGroup{29, 2}));
    EXPECT_TRUE((details.groups[1] == YearlyGroup{1, 1}));
    EXPECT_TRUE((details.groups[2] == YearlyGroup{31, 12}));
}

TEST(ScheduleDraft, WholeDayAndUnstorableValues)
{
    ScheduleDraft draft = timed(3);
    draft.wholeDay = true;
    draft.daysInAdvance = 100000;
    draft.firstDate = QDate();
    const NoteRow row = readBack(scheduleColumns(draft));
    EXPECT_EQ(row.UhrVon, 0.0);
    EXPECT_EQ(row.UhrBis, 0.0);
    EXPECT_EQ(row.Vorher, 32767) << "clamped, not wrapped round";
    EXPECT_FALSE(row.StartDatum.has_value()) << "an invalid date is written as NULL";
}

} // namespace
} // namespace qb
