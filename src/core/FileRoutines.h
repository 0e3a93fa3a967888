#pragma once

#include <QString>
#include <functional>

namespace qb {

class Clock;

// True when the file exists and its length can be read.
bool DateiVorhanden(const QString& path);

// Copies a file into a new one made as every program makes its files, with the
// user's umask: a broadcaster's umask decides whether other accounts can read its
// file. The copy is written beside the target and renamed into place, so an
// interrupted copy leaves no partial file. Replaces an existing target.
bool DateiKopieren(const QString& from, const QString& to);

// True when the folder exists and can be entered; the current folder is the
// same afterwards in either case.
bool OrdnerVorhanden(const QString& path);

// Waits until `seconds` have passed on the clock's time of day, without
// processing events; `idle` is called between readings (a short sleep). A
// wait across midnight ends on time. Waits of a day or more are not supported.
void Pause(double seconds, const Clock& clock, const std::function<void()>& idle);

} // namespace qb
