// Every bilingual table: both languages present, translated, and with the same placeholders.
#include "admin/AdminTexts.h"
#include "core/StorageFailure.h"
#include "dialogs/DialogTexts.h"
#include "editor/EditorCaptions.h"
#include "editor/EditorMessage.h"
#include "settings/SettingsTexts.h"
#include "ticker/TickerTexts.h"
#include "update/UpdateTexts.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace qb {
namespace {

struct Table
{
    const char* name;
    TextTable (*pairs)();
};

const Table tables[] = {
    {"storage", storageTextTable},
    {"editor captions", editorCaptionTable},
    {"editor messages", editorMessageTable},
    {"administration", verwaltungTextTable},
    {"settings", SettingsTexts::table},
    {"dialogs", dialogTextTable},
    {"ticker", tickerTextTable},
    {"update", updateTextTable},
};

// Texts that are the same in both languages on purpose: month names, and the message the
// program always gave in German.
const QSet<QString> sameInBoth = {
    QStringLiteral("April"),
    QStringLiteral("August"),
    QStringLiteral("September"),
    QStringLiteral("November"),
    QStringLiteral("Datensatz nicht gefunden"),
};

// "Uhr" after the editor's time range has no English counterpart.
const QSet<QString> germanOnly = {QStringLiteral("Uhr")};

QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

TEST(TextTables, EveryPairHasBothLanguages)
{
    for (const Table& table : tables) {
        const TextTable pairs = table.pairs();
        EXPECT_FALSE(pairs.empty()) << table.name;
        for (const TextPaar& pair : pairs) {
            ASSERT_TRUE(pair.english && pair.german) << table.name;
            const QString english = QString::fromUtf16(pair.english);
            const QString german = QString::fromUtf16(pair.german);
            SCOPED_TRACE(std::string(table.name) + ": " + german.toStdString());
            EXPECT_FALSE(german.isEmpty());
            if (!germanOnly.contains(german)) {
                EXPECT_FALSE(english.isEmpty());
            }
            if (!sameInBoth.contains(german)) {
                EXPECT_NE(english, german);
            }
            EXPECT_EQ(placeholders(english), placeholders(german));
        }
    }
}

// 1 English, 2 German; any other value the fallback named.
TEST(TextTables, OtherLanguagesTakeTheNamedFallback)
{
    const TextPaar pair{u"Close", u"Schließen"};
    struct Case
    {
        qint16 sprache;
        Otherwise otherwise;
        const char16_t* expected;
    };
    const Case cases[] = {
        {1, Otherwise::German, u"Close"},     {2, Otherwise::German, u"Schließen"},
        {0, Otherwise::German, u"Schließen"}, {3, Otherwise::German, u"Schließen"},
        {1, Otherwise::English, u"Close"},    {2, Otherwise::English, u"Schließen"},
        {0, Otherwise::English, u"Close"},    {3, Otherwise::English, u"Close"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(inSprache(pair, c.sprache, c.otherwise), QString::fromUtf16(c.expected))
            << c.sprache;
}

} // namespace
} // namespace qb
