#pragma once

#include <QLocale>

namespace qb {

class Clock;
class Platform;
class RecordSet;
struct Settings;

// What the note windows work with: the settings in memory, the desktop, "now", the local
// Notizen record set, and the top edge of the band (twips) that places them.
struct NoteWindowContext
{
    Settings& settings;
    Platform& platform;
    Clock& clock;
    RecordSet& notes;
    int tickerTopTwips = 0;
    QLocale locale;
};

} // namespace qb
