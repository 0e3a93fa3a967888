#pragma once

#include "schedule/NoteRow.h"

#include <QString>
#include <functional>

namespace qb {

// Hands every row of a Notizen record set, from its first row to its end, to
// `take`. Lesezeichen holds the bookmark of the row being read.
//
// On a read error, `recover` gets one chance to make the record set usable
// again (a reopen); the walk then goes back to Lesezeichen and carries on
// after that row, which was already taken, so nothing is lost or doubled. A
// failed recovery or a second error ends the walk. Returns false when it
// ended early. Cursor is RecordSet, or a test double with its moves.
template <class Cursor>
bool walkRows(Cursor& notes, QString& Lesezeichen, const std::function<bool()>& recover,
              const std::function<void(const NoteRow&)>& take)
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
        take(NoteRow::fromColumns([&notes](const QString& column) { return notes.value(column); }));
        if (!notes.next() && !resume(true))
            return false;
    }
    return true;
}

} // namespace qb
