#pragma once

#include <QString>
#include <QStringList>

namespace qb {

// What a start of the band asks for, read from its command line. The command travels to
// the running band of this user as one line: "raise" (no option given), "new-note",
// "notes", "settings", "about" or "quit".
struct BandCommandLine
{
    QString command;
    // The usage text was asked for (--help); it is in `output`.
    bool help = false;
    // Empty, or what to tell the user when the command line cannot be read.
    QString error;
    QString output;
};

// Reads the arguments (the program's name first); texts in German when `german`.
BandCommandLine readBandCommandLine(const QStringList& arguments, bool german);

// Whether a start with this command, finding no band running, starts one: only ending
// the band does nothing then.
bool startsBand(const QString& command);

} // namespace qb
