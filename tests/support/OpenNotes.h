#pragma once

#include "core/Database.h"
#include "core/PasswordGuard.h"
#include "core/RecordSet.h"

#include <QStringList>

namespace qb::test {

// The Notizen record set of a file, opened as the program opens it (a shorter busy timeout
// lets a test meet a lock without waiting).
struct OpenNotes
{
    explicit OpenNotes(const QString& path, OpenMode mode = OpenMode::ReadWrite,
                       int pageSize = RecordSet::defaultPageSize,
                       int busyTimeoutMs = Database::defaultBusyTimeoutMs)
        : notes(db, QStringLiteral("Notizen"), pageSize)
    {
        opened = db.open(path, PasswordGuard::connectString, mode, busyTimeoutMs) && notes.open();
    }
    // Adds permanent notes with these texts; false at the first that cannot be stored.
    bool add(const QStringList& texts)
    {
        for (const QString& text : texts) {
            if (!notes.addNew() || !notes.setValue(QStringLiteral("inhalt"), text) ||
                !notes.setValue(QStringLiteral("Rhythmus"), 0) || !notes.update())
                return false;
        }
        return opened;
    }

    Database db;
    RecordSet notes;
    bool opened = false;
};

} // namespace qb::test
