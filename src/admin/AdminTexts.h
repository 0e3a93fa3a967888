#pragma once

#include "core/TextPaar.h"

#include <QString>

namespace qb {

// The texts of the notes administration in the language Sprache (1 English, otherwise
// German).
enum class VerwaltungText {
    WindowTitle,
    BearbeitenBef,
    LoeschenBef,
    EndeBef,
    DeleteQuestion,
    RecordNotFound, // German in both languages, as it always was
};

QString verwaltungText(VerwaltungText text, qint16 sprache);

// Every pair, for the check that each has both languages.
TextTable verwaltungTextTable();

} // namespace qb
