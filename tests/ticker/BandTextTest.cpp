#include "ticker/view/BandText.h"

#include <gtest/gtest.h>

using namespace qb;

namespace {

// A text of `length` characters made of `unit` repeated.
QString repeatedTo(const QString& unit, qsizetype length)
{
    QString text = unit.repeated(length / unit.size() + 1);
    text.truncate(length);
    return text;
}

} // namespace

// Control characters on the band: breaks and tabs one blank each, the rest gone;
// printable text of any script as typed.
TEST(BandText, ControlCharacters)
{
    struct Case
    {
        const char* name;
        QString stored;
        QString shown;
    };
    const Case cases[] = {
        {"CR LF is one break", QStringLiteral("a\r\nb"), QStringLiteral("a b")},
        {"lone CR and LF", QStringLiteral("a\rb\nc"), QStringLiteral("a b c")},
        {"two breaks, two blanks", QStringLiteral("a\n\nb"), QStringLiteral("a  b")},
        {"tab", QStringLiteral("a\tb"), QStringLiteral("a b")},
        {"Unicode separators", QStringLiteral("a\u2028b\u2029c"), QStringLiteral("a b c")},
        {"vertical tab, form feed, next line", QStringLiteral("a\vb\fc\u0085d"),
         QStringLiteral("a b c d")},
        {"other controls dropped", QStringLiteral("a\x01\x1b[0m\u007fb"), QStringLiteral("a[0mb")},
        {"right-to-left kept", QStringLiteral("\u05E9\u05DC\u05D5\u05DD abc \u0645\u0631"),
         QStringLiteral("\u05E9\u05DC\u05D5\u05DD abc \u0645\u0631")},
        {"direction marks kept", QStringLiteral("a\u200Fb"), QStringLiteral("a\u200Fb")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bandText(c.stored), c.shown);
    }
}

// A text beyond the limit is cut between graphemes and marked; one at the limit is not.
// A megabyte of mixed script with breaks: TerminalTest::largeNoteWithControlCharacters.
TEST(BandText, LongTextsAreCutBetweenGraphemes)
{
    struct Case
    {
        const char* name;
        QString stored;
    };
    const Case cases[] = {
        // The limit falls inside a surrogate pair or before a combining accent.
        {"pairs", repeatedTo(QStringLiteral("x\U0001F600"), bandTextLimit + 50)},
        {"accents", repeatedTo(QStringLiteral("e\u0301"), bandTextLimit + 51)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString shown = bandText(c.stored);
        ASSERT_TRUE(shown.endsWith(QChar(0x2026)));
        const QString kept = shown.chopped(1);
        EXPECT_LE(kept.size(), bandTextLimit);
        EXPECT_GT(kept.size(), bandTextLimit - 3);
        EXPECT_FALSE(kept.back().isHighSurrogate());
        EXPECT_NE(kept.back(), QChar(0x0065)) << "an e without its accent";
        for (const QChar ch : kept)
            ASSERT_NE(ch.category(), QChar::Other_Control);
    }
    const QString exact = repeatedTo(QStringLiteral("abc"), bandTextLimit);
    EXPECT_EQ(bandText(exact), exact);
}
