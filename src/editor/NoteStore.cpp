#include "editor/NoteStore.h"

#include "core/RecordSet.h"
#include "schedule/NoteRow.h"

namespace qb {

namespace {

StoreResult failed(RecordSet& notes)
{
    StorageFailure failure = notes.failure();
    notes.cancelUpdate();
    return {StoreResult::Status::Failed, std::move(failure), 0};
}

} // namespace

StoreResult NotizSpeichern(RecordSet& notes, std::optional<qint64> id, const QString& inhalt,
                           const ScheduleDraft& schedule)
{
    if (id) {
        if (!notes.findLast(QStringLiteral("ID = %1").arg(*id)))
            return notes.error().isEmpty() ? StoreResult{StoreResult::Status::NotFound, {}, 0}
                                           : failed(notes);
        if (!notes.edit())
            return failed(notes);
    } else if (!notes.addNew()) {
        return failed(notes);
    }
    bool written = notes.setValue(NoteRow::colInhalt, inhalt);
    const NoteColumns columns = scheduleColumns(schedule);
    for (auto column = columns.cbegin(); written && column != columns.cend(); ++column)
        written = notes.setValue(column.key(), column.value());
    if (!written || !notes.update()) {
        // The row vanished between finding it and writing it.
        if (id && notes.error() == RecordSet::rowGoneError)
            return {StoreResult::Status::NotFound, {}, 0};
        return failed(notes);
    }
    return {StoreResult::Status::Stored, {}, id ? *id : notes.lastAdded()};
}

} // namespace qb
