#pragma once

#include "core/TextPaar.h"

#include <QString>

class QSqlError;

namespace qb {

// Why a read or write of the notes file failed, as far as the user can act on it.
enum class StorageCause {
    None,
    ReadOnly,    // the file, its folder or its disk may not be written
    DiskFull,    // no space left
    DiskError,   // the disk failed or went away
    FileRemoved, // the file was deleted or replaced while the program ran
    Locked,      // another program holds a lock past the wait
    Damaged,     // the file is no database or its contents are broken
    Other,       // anything else; the code tells support what it was
};

// What the user was doing when the failure came.
enum class StorageAction { StoreNote, DeleteNotes, ReadNotes, SaveSettings };

// A failure of one database operation: its cause, SQLite's result code (-1 when it came
// from no SQLite call) and the driver's own text, kept for details and never shown alone.
struct StorageFailure
{
    StorageCause cause = StorageCause::None;
    int code = -1;
    QString detail;

    bool isEmpty() const { return cause == StorageCause::None; }
};

// Classifies a failed statement by SQLite's result code (extended or primary), never by
// the driver's English text. An I/O error is told apart further by the system's error
// number of the failed call (a file made read-only or a disk filled while it was open).
StorageCause storageCause(int sqliteCode, int systemError = 0);
StorageFailure storageFailure(const QSqlError& error, int systemError = 0);

// One sentence naming the operation that failed, then one naming the cause and what to do,
// in the language Sprache (1 English, otherwise German).
QString storageFailureText(StorageAction action, const StorageFailure& failure, qint16 sprache);

// Told once when the notes file has vanished from its path while the program runs; names
// the file, not its folder.
QString fileRemovedNotice(const QString& path, qint16 sprache);

// Every pair above, for the check that each has both languages.
TextTable storageTextTable();

} // namespace qb
