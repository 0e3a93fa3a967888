#include "schedule/RhyDetails.h"

#include "ScheduleTestSupport.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(RhyDetails, ZahlLesen)
{
    struct Case
    {
        const char* name;
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"blank and zero", " 0", 0},
        {"chosen weekday", "-1", -1},
        {"leading blanks skipped", "   42", 42},
        {"digits up to the first other character", "12ab3", 12},
        {"no digits", "ab", 0},
        {"empty", "", 0},
        {"minus without digits", "-", 0},
        {"blank after the minus stops", "- 1", 0},
        {"plus is not a sign", "+1", 0},
        {"two minus signs", "--1", 0},
        {"leading zeros", "007", 7},
        {"saturates instead of overflowing", "99999999999999999999999", 2147483647},
        {"saturates negative", "-99999999999999999999999", -2147483647},
        {"largest int exactly", "2147483647", 2147483647},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ZahlLesen(QString::fromLatin1(c.text)), c.value);
    }
}

TEST(RhyDetails, MonthlyPieces)
{
    using Kind = MonthlyDetails::Kind;
    struct Case
    {
        const char* name;
        const char* text;
        MonthlyDetails expected;
    };
    const Case cases[] = {
        {"5th", "15", {Kind::DayOfMonth, 5, 0, 0}},
        {"25th", "125", {Kind::DayOfMonth, 25, 0, 0}},
        {"last Friday", "254", {Kind::NthWeekday, 0, 5, 4}},
        {"first Monday", "210", {Kind::NthWeekday, 0, 1, 0}},
        {"the position is one character", "22345", {Kind::NthWeekday, 0, 2, 345}},
        {"empty text", "", {Kind::NthWeekday, 0, 0, 0}},
        {"kind only", "1", {Kind::DayOfMonth, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(monthlyDetails(QString::fromLatin1(c.text)) == c.expected);
    }
}

TEST(RhyDetails, YearlyGroupsIgnoreTheRemainder)
{
    const YearlyDetails details = yearlyDetails(u"24120107999");
    ASSERT_EQ(details.groups.size(), 2);
    EXPECT_TRUE((details.groups[0] == YearlyGroup{24, 12}));
    EXPECT_TRUE((details.groups[1] == YearlyGroup{1, 7}));
    EXPECT_TRUE(yearlyDetails(u"241").groups.isEmpty());
}

} // namespace
} // namespace qb
