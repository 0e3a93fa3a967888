#include "schedule/Calendar.h"
#include "schedule/DateText.h"

#include "ScheduleTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace qb {
namespace {

using namespace std::chrono;
using test::ymd;

// DatumAusTeilen, WochentagMo and TageImMonat agree with std::chrono on every day of five
// centuries (1800, 1900, 2100 and 2200 common, 2000 leap), and so does the QDate bridge.
TEST(Calendar, EveryDayOfFiveCenturiesAgreesWithChrono)
{
    for (Days day = ymd(1800, 1, 1); day <= ymd(2299, 12, 31); day += days{1}) {
        const year_month_day date{day};
        const int y = static_cast<int>(date.year());
        const int m = static_cast<int>(static_cast<unsigned>(date.month()));
        const int d = static_cast<int>(static_cast<unsigned>(date.day()));
        const auto length = static_cast<unsigned>((date.year() / date.month() / last).day());
        ASSERT_EQ(DatumAusTeilen(y, m, d), day);
        ASSERT_EQ(WochentagMo(day), static_cast<int>(weekday{day}.iso_encoding()));
        ASSERT_EQ(TageImMonat(m, y), static_cast<int>(length));
        ASSERT_EQ(toQDate(day), QDate(y, m, d));
        ASSERT_EQ(toSysDays(QDate(y, m, d)), day);
    }
}

// Roll-over beyond the anchors in Calendar.h: negative parts and the limits of int.
TEST(Calendar, RollOver)
{
    EXPECT_EQ(DatumAusTeilen(2026, 1, -30), ymd(2025, 12, 1)) << "negative day";
    EXPECT_EQ(DatumAusTeilen(2026, -23, 1), ymd(2024, 1, 1)) << "month -23: two years back";
    EXPECT_EQ(TageImMonat(-22, 2026), 29) << "February 2024";
    EXPECT_LT(DatumAusTeilen(INT_MIN, INT_MIN, INT_MIN), DatumAusTeilen(INT_MIN, 1, 1));
    EXPECT_GT(DatumAusTeilen(INT_MAX, INT_MAX, INT_MAX), DatumAusTeilen(INT_MAX, 12, 31));
    EXPECT_EQ(DatumAusTeilen(2026, 1, INT_MAX) - DatumAusTeilen(2026, 1, 1), days{INT_MAX - 1});
}

// The date and time texts of the editor.
const QLocale german(QLocale::German, QLocale::Germany);
const QLocale english(QLocale::English, QLocale::UnitedStates);
const QDate today(2026, 12, 4);

TEST(DateText, DatumNormieren)
{
    const struct
    {
        const char* name;
        const QLocale& locale;
        const char *text, *normalised;
    } cases[] = {
        {"empty becomes today", german, "", "04.12.2026"},
        {"blanks only become today", german, "  ", "04.12.2026"},
        {"day and month with a point: this year", german, "1.1.", "01.01.2026"},
        {"blanks around a date", german, " 4.12.2026 ", "04.12.2026"},
        {"two-digit year up to 29 is 20xx", german, "4.12.29", "04.12.2029"},
        {"two-digit year from 30 is 19xx", german, "4.12.30", "04.12.1930"},
        {"29 February of a leap year", german, "29.2.2028", "29.02.2028"},
        {"29 February of a common year stays", german, "29.2.2027", "29.2.2027"},
        {"31 April does not roll over", german, "31.4.2026", "31.4.2026"},
        {"unreadable text loses its trailing point only", german, "45.12.", "45.12"},
        {"a lone number is not a date", german, "12", "12"},
        {"a three-digit year is not a year", german, "1.1.202", "1.1.202"},
        {"a five-digit year is refused whole, not cut", german, "01.01.10000", "01.01.10000"},
        {"year 0", german, "01.01.0000", "01.01.0000"},
        {"the year before the first accepted", german, "31.12.1899", "31.12.1899"},
        {"the first accepted year", german, "1.1.1900", "01.01.1900"},
        {"the last accepted year", german, "31.12.9999", "31.12.9999"},
        {"four parts", german, "1.1.2026.1", "1.1.2026.1"},
        {"English: empty becomes today with the locale's separator", english, "", "04/12/2026"},
        {"English: day first whatever the locale's order", english, "1/12", "01/12/2026"},
        {"English: the point is read as well", english, "1.12.", "01/12/2026"},
        {"English: 13 is not a month", english, "1/13/2026", "1/13/2026"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString text = QString::fromLatin1(c.text);
        DatumNormieren(text, c.locale, today);
        EXPECT_EQ(text, QString::fromLatin1(c.normalised));
    }
    EXPECT_TRUE(DatumGueltig(u"  ", german, today)) << "an empty field is filled in later";
    EXPECT_FALSE(DatumGueltig(u"31.04.2026", german, today));
    EXPECT_EQ(LeerzeichenEntfernen(u"\ta \t "), QStringLiteral("\ta \t")) << "only blanks go";
}

TEST(DateText, ZeitNormieren)
{
    const struct
    {
        const char *name, *text, *normalised; // "invalid", or "" for an empty field
        int minutes;
    } cases[] = {
        {"whole hour gets :00", "7", "07:00", 420},
        {"one-digit minutes", "7:3", "07:03", 423},
        {"empty hours count as 0", ":30", "00:30", 30},
        {"last minute", "23:59", "23:59", 1439},
        {"hour 24", "24:00", "invalid", 0},
        {"minute 60", "12:60", "invalid", 0},
        {"two colons", "1:2:3", "invalid", 0},
        {"empty stays empty, no error", "", "", 0},
        {"a sign is not a digit", "-1", "invalid", 0},
        {"letters", "8h", "invalid", 0},
        {"long digit runs do not wrap round", "4294967304", "invalid", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const NormalisedTime result = ZeitNormieren(QString::fromLatin1(c.text));
        EXPECT_EQ(result.state == NormalisedTime::State::Invalid ? QStringLiteral("invalid")
                                                                 : result.text,
                  QString::fromLatin1(c.normalised));
        EXPECT_EQ(result.minutes, c.minutes);
    }
}

} // namespace
} // namespace qb
