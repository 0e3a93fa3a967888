#pragma once

#include "ticker/TickerFeed.h"

#include <QString>
#include <QVector>

namespace qb {

// Which notes a new ticker text put on the band that were not on it before, said as one
// text for a screen reader. A note is its source and its shown text: one that stays is not
// new, one that left and comes back is. The band starts empty, so its first text is news:
// a user who starts it hears what is due.
class NewNotes
{
public:
    // Up to this many new notes are read out one after another; more give a count.
    static constexpr int spokenTexts = 3;

    // Takes the entries the band shows from now on; returns what to announce in the
    // language Sprache (1 English, 2 German), empty when no note is new.
    QString take(const QVector<TickerEntry>& shown, qint16 sprache);

private:
    QVector<TickerEntry> m_shown;
};

} // namespace qb
