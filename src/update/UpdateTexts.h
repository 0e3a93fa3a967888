#pragma once

#include "update/UpdatePackage.h"

#include <QString>

namespace qb {

// The updater's texts, each an (English, German) pair picked by the order's Sprache.
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
};

// The text, with the offered version filled in where it names one.
QString updateText(UpdateText which, const UpdateOrder& order);

} // namespace qb
