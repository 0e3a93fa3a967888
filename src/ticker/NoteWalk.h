#pragma once

#include "core/RowWalk.h"
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

// Adds the shown rows of a Notizen record set to the assembly; the walk, its
// bookmark and its one recovery are those of walkRows.
template <class Cursor>
bool walkNotes(Cursor& notes, TickerSource source, const QDateTime& now, TickerAssembly& assembly,
               QString& Lesezeichen, const std::function<bool()>& recover)
{
    return walkRows(notes, Lesezeichen, recover, [&](const NoteRow& row) {
        if (shownInTicker(row, now))
            assembly.add(source, row.inhalt);
    });
}

} // namespace qb
