#pragma once

#include <QString>

#include <functional>

namespace qb {

// What the hand-over to the updater needs from the running program.
struct UpdateHandOver
{
    // The question box: button set and text; answer 1 is Yes.
    std::function<int(int buttonSet, const QString& text)> MeldungZeigen;
    // Starts a program of the current folder as a process of its own; false when it could
    // not be started.
    std::function<bool(const QString& program)> start;
    // A notice that must not stop the user (the floating bubble).
    std::function<void(const QString& text)> notice;
    // Ends the program at once.
    std::function<void()> end;
};

// The installation of the offered version, in the current folder:
//  1. ask (Yes/No); on anything but Yes nothing is written;
//  2. "updver.txt" gets the version, "updinfo.txt" the language, each with a line break;
//  3. "qbi.kvl" becomes "qbi.exe" and is started; then the program ends.
// When the updater cannot be renamed or started the program keeps running: "qbi.exe" gets
// its name "qbi.kvl" back and a notice says so. Returns whether the updater started.
bool UpdateInstallieren(int version, qint16 Sprache, const UpdateHandOver& handOver);

// Starts program (a path in the current folder) detached, in the current folder, without
// arguments.
bool ProgrammStarten(const QString& program);

} // namespace qb
