#pragma once

#include "core/StorageFailure.h"
#include "schedule/ScheduleDraft.h"

#include <QString>

#include <optional>

namespace qb {

class RecordSet;

struct StoreResult
{
    enum class Status { Stored, NotFound, Failed };

    Status status = Status::Failed;
    StorageFailure failure; // Failed: why
    qint64 id = 0;          // Stored: the note's ID
};

// Writes a note into the Notizen record set: a new row when id is empty, otherwise the row
// with that ID, found again by "ID = n" (NotFound when it was deleted meanwhile: no other
// row and no new one is written). inhalt is stored as typed; the schedule's columns are
// those of scheduleColumns, and the columns it leaves out keep their contents. The row is
// written by one statement, so a failure leaves it as it was.
StoreResult NotizSpeichern(RecordSet& notes, std::optional<qint64> id, const QString& inhalt,
                           const ScheduleDraft& schedule);

} // namespace qb
