#pragma once

#include <QString>

#include <functional>

namespace qb {

// What the hand-over to the updater needs from the running program.
struct UpdateHandOver
{
    // The question box: button set and text; answer 1 is Yes.
    std::function<int(int buttonSet, const QString& text)> MeldungZeigen;
    // Starts the updater as a process of its own; false when it could not be started.
    std::function<bool()> start;
    // A notice that must not stop the user (the floating bubble).
    std::function<void(const QString& text)> notice;
    // Opens an address in the browser; false when no browser took it.
    std::function<bool(const QString& address)> openAddress;
    // Ends the program at once.
    std::function<void()> end;
    // The program runs from an installed package, which the updater can replace; a build
    // tree cannot be updated that way.
    bool installed = true;
};

// The installation of the offered version, in the current folder:
//  1. an offer of 0 (nothing newer) is refused without a question;
//  2. ask (Yes/No); on anything but Yes nothing is written;
//  3. a build tree opens the download page instead and a notice says so;
//  4. "updver.txt" gets the version, "updinfo.txt" the language, each with a line break;
//  5. the updater is started; then the program ends.
// When the updater cannot be started the program keeps running and a notice says so.
// Returns whether the updater started.
bool UpdateInstallieren(int version, qint16 sprache, const UpdateHandOver& handOver);

// The updater program "quillaband-update" among the helper programs.
QString updaterProgram();

// Starts `program` detached, in the current folder, without arguments. It learns this
// process's id from QUILLABAND_BAND_PID, so that it can wait for the band to end before
// starting it again.
bool UpdaterStarten(const QString& program);

// The updater's outcome for the band it starts again: a text for the user in the file
// "updresult.txt" of the current folder. The band takes it once at start: it reads and
// deletes the file; an absent or empty file gives an empty text.
bool writeUpdateResult(const QString& text);
QString takeUpdateResult();

} // namespace qb
