#pragma once

#include "update/UpdatePackage.h"

#include "core/TextPaar.h"

#include <QString>

namespace qb {

// The update's texts, the updater's and the band's, each a TextPaar (1 English, otherwise
// German).
enum class UpdateText {
    Title,
    Downloading, // the step lines of the window
    Verifying,
    Installing,
    Close,
    Installed, // the outcomes, also shown by the band started again
    NothingOffered,
    NotDownloaded,
    ChecksumWrong,
    OtherPackage,
    OtherVersion,
    NotAuthorised,
    NotInstalled,
    NotStarted,
    Available, // the band's: the signal, the question and the hand-over's notices
    InstallQuestion,
    SourceBuild,
    CannotUpdateItself,
    UpdaterNotStarted,
};

QString updateText(UpdateText which, qint16 sprache);
// The text in the order's language, with the offered version filled in where it names one.
QString updateText(UpdateText which, const UpdateOrder& order);

// Every pair, for the check that each has both languages.
TextTable updateTextTable();

} // namespace qb
