#include "BroadcastFile.h"

#include "FileRoutines.h"
#include "PasswordGuard.h"
#include "RowWalk.h"

namespace qb {

BroadcastFile::BroadcastFile(FileProbe fileExists, int lockWaitMs)
    : m_fileExists(fileExists ? std::move(fileExists) : FileProbe(&DateiVorhanden)),
      m_lockWaitMs(lockWaitMs)
{
}

BroadcastAnswer BroadcastFile::answer(const BroadcastRequest& request)
{
    BroadcastAnswer answer;
    answer.kind = request.kind;
    answer.exists = m_fileExists(request.path);
    if (answer.exists && request.kind == BroadcastRequest::Kind::Read)
        read(request, answer);
    return answer;
}

// 1. open the file when asked to, when its path changed or when it is not open;
// 2. the settings row; a lock on it ends the reading;
// 3. the notes; a read error reopens the file once, a lock does not.
void BroadcastFile::read(const BroadcastRequest& request, BroadcastAnswer& answer)
{
    using Outcome = BroadcastAnswer::Outcome;
    const auto unopened = [this] {
        return m_database.lockedOut() ? Outcome::LockedOut : Outcome::Unreachable;
    };
    if ((request.reopen || !m_database.isOpen() || m_database.path() != request.path) &&
        !reopen(request.path)) {
        answer.outcome = unopened();
        return;
    }
    if (m_einstellungen.first()) {
        if (!m_einstellungen.atEnd()) {
            QHash<QString, QVariant> row;
            for (const QString& column : m_einstellungen.columns())
                row.insert(column, m_einstellungen.value(column));
            answer.einstellungen = std::move(row);
        }
    } else if (m_einstellungen.lockedOut()) {
        answer.outcome = Outcome::LockedOut;
        return;
    }

    const bool complete = walkRows(
        m_notizen, m_Lesezeichen,
        [&] {
            if (m_notizen.lockedOut() || !reopen(request.path))
                return false;
            m_einstellungen.first();
            return true;
        },
        [&answer](const NoteRow& row) { answer.notes.append(row); });
    if (complete || (m_database.isOpen() && !m_notizen.lockedOut()))
        answer.outcome = Outcome::Read; // a partial read shows what it got
    else
        answer.outcome = m_notizen.lockedOut() ? Outcome::LockedOut : unopened();
    m_database.releaseMemory();
}

bool BroadcastFile::reopen(const QString& path)
{
    m_notizen.close();
    m_einstellungen.close();
    // A receiver never writes to the broadcaster's file: a read-write connection
    // that met the broadcaster's journal on a share could roll it back.
    if (!m_database.open(path, PasswordGuard::connectString, OpenMode::ReadOnly, m_lockWaitMs))
        return false;
    m_notizen.open();
    m_einstellungen.open();
    return true;
}

} // namespace qb
