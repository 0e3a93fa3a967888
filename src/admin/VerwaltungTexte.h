#pragma once

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
    NotDeleted,     // followed by the database's reason
    NotRead,        // followed by the database's reason
};

QString verwaltungText(VerwaltungText text, int sprache);

} // namespace qb
