#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

namespace qb {

// One bilingual text: entry 1 English, entry 2 German.
struct TextPaar
{
    const char16_t* english;
    const char16_t* german;
};

// A subsystem's texts, listed so that a test can check every pair.
using TextTable = std::vector<TextPaar>;

// Which entry a value of Sprache other than 1 and 2 (a damaged settings row) takes.
enum class Otherwise { German, English };

// The entry for the language `sprache`: 1 English, 2 German, any other value as `otherwise`.
inline QString inSprache(const TextPaar& pair, qint16 sprache,
                         Otherwise otherwise = Otherwise::German)
{
    const bool english = sprache == 1 || (sprache != 2 && otherwise == Otherwise::English);
    return QString::fromUtf16(english ? pair.english : pair.german);
}

// Whether `sprache` names a language; windows that keep their captions for any other value
// ask this first.
inline bool isSprache(qint16 sprache)
{
    return sprache == 1 || sprache == 2;
}

} // namespace qb
