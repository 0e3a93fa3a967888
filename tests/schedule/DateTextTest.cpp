#include "schedule/DateText.h"

#include "ScheduleTestSupport.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

const QLocale german(QLocale::German, QLocale::Germany);
const QLocale american(QLocale::English, QLocale::UnitedStates);
const QDate today(2026, 12, 4);

TEST(DateText, ZeitNormieren)
{
    using State = NormalisedTime::State;
    struct Case
    {
        const char* name;
        const char* text;
        State state;
        const char* normalised;
        int minutes;
    };
    const Case cases[] = {
        {"whole hour gets :00", "7", State::Valid, "07:00", 420},
        {"one-digit minutes", "7:3", State::Valid, "07:03", 423},
        {"empty hours count as 0", ":30", State::Valid, "00:30", 30},
        {"empty minutes count as 0", "8:", State::Valid, "08:00", 480},
        {"last minute stays", "23:59", State::Valid, "23:59", 1439},
        {"leading zeros are dropped", "0008:0005", State::Valid, "08:05", 485},
        {"hour 24 is invalid", "24:00", State::Invalid, "", 0},
        {"minute 60 is invalid", "12:60", State::Invalid, "", 0},
        {"two colons are invalid", "1:2:3", State::Invalid, "", 0},
        {"two colons, nothing else", "::", State::Invalid, "", 0},
        {"empty stays empty, no error", "", State::Empty, "", 0},
        {"a sign is not a time", "-1", State::Invalid, "", 0},
        {"letters are not a time", "8h", State::Invalid, "", 0},
        {"a blank is not a time", "8 ", State::Invalid, "", 0},
        {"long digit runs do not wrap round", "4294967304", State::Invalid, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const NormalisedTime result = ZeitNormieren(QString::fromLatin1(c.text));
        EXPECT_EQ(result.state, c.state);
        EXPECT_EQ(result.text, QString::fromLatin1(c.normalised));
        EXPECT_EQ(result.minutes, c.minutes);
    }
    EXPECT_EQ(ZeitNormieren(u"17:30").fraction(), 17 / 24.0 + 30 / 1440.0)
        << "the stored value is computed as hours / 24 + minutes / 1440";
}

TEST(DateText, DatumNormieren)
{
    struct Case
    {
        const char* name;
        const QLocale& locale;
        const char* text;
        const char* normalised;
    };
    const Case cases[] = {
        {"German: empty becomes today", german, "", "04.12.2026"},
        {"German: blanks only become today", german, "  ", "04.12.2026"},
        {"German: 1.1. is 1 January of this year", german, "1.1.", "01.01.2026"},
        {"German: full date", german, "4.12.2026", "04.12.2026"},
        {"German: two-digit year up to 29 is 20xx", german, "4.12.29", "04.12.2029"},
        {"German: two-digit year from 30 is 19xx", german, "4.12.30", "04.12.1930"},
        {"German: 29 February of a leap year", german, "29.2.2028", "29.02.2028"},
        {"German: 29 February of a common year stays", german, "29.2.2027", "29.2.2027"},
        {"German: unreadable text loses its trailing point only", german, "45.12.", "45.12"},
        {"German: a lone number is not a date", german, "12", "12"},
        {"German: already normalised stays", german, "31.12.2026", "31.12.2026"},
        {"English: empty becomes today with the locale's separator", american, "", "04/12/2026"},
        {"English: day and month, day first", american, "1/12", "01/12/2026"},
        {"English: the point is read as well", american, "1.12.", "01/12/2026"},
        {"English: normalised text reads back the same", american, "04/12/2026", "04/12/2026"},
        {"English: 13 is not a month", american, "1/13/2026", "1/13/2026"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString text = QString::fromLatin1(c.text);
        DatumNormieren(text, c.locale, today);
        EXPECT_EQ(text, QString::fromLatin1(c.normalised));
    }
}

TEST(DateText, DatumGueltig)
{
    struct Case
    {
        const char* name;
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"empty is valid", "", true},
        {"blanks only are valid", "   ", true},
        {"day and month", "24.12", true},
        {"trailing point", "24.12.", true},
        {"blanks around a date", " 24.12.2026 ", true},
        {"31 April does not exist", "31.04.2026", false},
        {"month 0", "1.0.2026", false},
        {"three-digit year", "1.1.202", false},
        {"letters", "1.Jan", false},
        {"four parts", "1.1.2026.1", false},
        {"empty day", ".12.2026", false},
        {"year 0000 does not exist", "1.1.0000", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DatumGueltig(QString::fromLatin1(c.text), german, today), c.valid);
    }
}

TEST(DateText, LeerzeichenEntfernenRemovesOnlyOuterBlanks)
{
    EXPECT_EQ(LeerzeichenEntfernen(u"  a b  "), QStringLiteral("a b"));
    EXPECT_EQ(LeerzeichenEntfernen(u"    "), QString());
    EXPECT_EQ(LeerzeichenEntfernen(u"\ta\t"), QStringLiteral("\ta\t"));
}

TEST(DateText, LocaleSeparators)
{
    EXPECT_EQ(datumsTrenner(german), QChar(u'.'));
    EXPECT_EQ(datumsTrenner(american), QChar(u'/'));
    EXPECT_EQ(DatumFormatieren(QDate(2026, 12, 4), german), QStringLiteral("04.12.2026"));
}

} // namespace
} // namespace qb
