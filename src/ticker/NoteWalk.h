#pragma once

#include "schedule/NoteRow.h"
#include "schedule/ScheduleEvaluation.h"
#include "ticker/TickerAssembly.h"

#include <QDateTime>
#include <functional>

namespace qb {

// Whether the ticker shows a row at a moment: a Rhythmus above 0 asks the
// schedule; 0 (or below) is always shown; a row without a readable Rhythmus
// is not.
inline bool shownInTicker(const NoteRow& row, const QDateTime& now)
{
    if (!row.Rhythmus)
        return false;
    return *row.Rhythmus > 0 ? isDue(row, now) : true;
}

// Adds the shown rows of a Notizen record set, from its first row to its end,
// to the assembly. Lesezeichen holds the bookmark of the row being read.
//
// On a read error, `recover` gets one chance to make the record set usable
// again (a reopen); the walk then goes back to Lesezeichen and carries on
// after that row, which was already taken, so nothing is lost or doubled. A
// failed recovery or a second error ends the walk. Returns false when it
// ended early. Cursor is RecordSet, or a test double with its moves.
template <class Cursor>
bool walkNotes(Cursor& notes, TickerSource source, const QDateTime& now,
               TickerAssembly& assembly, QString& Lesezeichen,
               const std::function<bool()>& recover)
{
    bool recovered = false;
    const auto resume = [&](bool atBookmark) {
        if (recovered || !recover())
            return false;
        recovered = true;
        if (!atBookmark)
            return notes.first();
        return notes.setBookmark(Lesezeichen) && notes.next();
    };

    Lesezeichen.clear();
    if (!notes.first() && !resume(false))
        return false;
    while (!notes.atEnd()) {
        Lesezeichen = notes.bookmark();
        const NoteRow row = NoteRow::fromColumns(
            [&notes](const QString& column) { return notes.value(column); });
        if (shownInTicker(row, now))
            assembly.add(source, row.inhalt);
        if (!notes.next() && !resume(true))
            return false;
    }
    return true;
}

} // namespace qb
