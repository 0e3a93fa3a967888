#pragma once

#include <QString>
#include <functional>

namespace qb {

class Clock;

// True when the file exists and its length can be read.
bool DateiVorhanden(const QString& path);

// True when the folder exists and can be entered; the current folder is the
// same afterwards in either case.
bool OrdnerVorhanden(const QString& path);

// Waits until `seconds` have passed on the clock's time of day, without
// processing events; `idle` is called between readings (a short sleep). A
// wait across midnight ends on time. Waits of a day or more are not supported.
void Pause(double seconds, const Clock& clock, const std::function<void()>& idle);

} // namespace qb
