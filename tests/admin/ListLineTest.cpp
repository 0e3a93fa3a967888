#include "admin/ListLine.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

// Ten units a character, so a limit of 55 holds five characters.
int tenEach(QStringView text)
{
    return static_cast<int>(text.size()) * 10;
}

// A short text whole and a long one cut in the list's font: VerwaltungTest::listLines.
TEST(ListLine, CutsToTheLongestFittingStart)
{
    const QString tabs(10, QLatin1Char('\t'));
    const struct
    {
        const char* name;
        QString text;
        int limit;
        QString line;
    } cases[] = {
        {"exactly the limit", QStringLiteral("fiver"), 50, QStringLiteral("fiver") + tabs + "7"},
        {"one too many", QStringLiteral("sixsix"), 55, QStringLiteral("sixsi...") + tabs + "7"},
        {"nothing fits", QStringLiteral("abc"), 5, QStringLiteral("...") + tabs + "7"},
        {"empty", QString(), 5, tabs + "7"},
        {"a surrogate pair is not split",
         QStringLiteral("abcd") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("x"), 55,
         QStringLiteral("abcd...") + tabs + "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(listLine(c.text, 7, c.limit, tenEach), c.line);
    }
}

// A note of a megabyte is measured a few dozen times, never as a whole after the first.
TEST(ListLine, HugeTextsCostLikeShortOnes)
{
    const QString huge(1 << 20, QLatin1Char('w'));
    int calls = 0;
    qsizetype longest = 0;
    const QString cut = elideToWidth(huge, 3000, [&](QStringView text) {
        ++calls;
        if (text.size() < huge.size())
            longest = std::max(longest, text.size());
        return tenEach(text);
    });
    EXPECT_EQ(cut.size(), 300);
    EXPECT_LE(calls, 30);
    EXPECT_LE(longest, 1024);
}

TEST(ListLine, IdAfterTheLastTab)
{
    const struct
    {
        const char* name;
        QString line;
        std::optional<qint64> id;
    } cases[] = {
        {"a tab in the note text", listLine(QStringLiteral("a\tb\t9"), 5, 1000, tenEach), 5},
        {"no tab", QStringLiteral("42"), std::nullopt},
        {"no number after the tab", QStringLiteral("note\t"), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(idFromLine(c.line), c.id);
    }
}

} // namespace
} // namespace qb
