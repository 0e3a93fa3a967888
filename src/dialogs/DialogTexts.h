#pragma once

#include "core/TextPaar.h"

#include <QString>

namespace qb {

// The texts of the about and intro windows, the question box's buttons and the web pages'
// paths, each a TextPaar.
enum class DialogText {
    AboutTitle,
    Subtitle, // the about window's second line and the intro picture's
    WebLink,
    Close,
    Cancel, // the question box's buttons
    Yes,
    No,
    VersionWord, // "Build" or "Version", before the number
    AboutPage,
    DownloadPage,
};

// The text in the language `sprache`: 1 English, any other value German, except the
// question box's buttons, whose other values give English as they always did.
QString dialogText(DialogText which, qint16 sprache);

// Every pair, for the check that each has both languages.
TextTable dialogTextTable();

} // namespace qb
