#pragma once

#include <QString>

namespace qb {

// One bilingual text: entry 1 English, entry 2 German.
struct TextPaar
{
    const char16_t* english;
    const char16_t* german;
};

// The entry for the language Sprache: 1 English, any other value German.
inline QString inSprache(const TextPaar& pair, int sprache)
{
    return QString::fromUtf16(sprache == 1 ? pair.english : pair.german);
}

} // namespace qb
