#include "TickerRebuild.h"

#include "core/AppContext.h"
#include "core/SettingsStore.h"
#include "ticker/NoteWalk.h"

namespace qb {

namespace {

// Lowers a connection's wait for locks for the length of a rebuild; writers of
// the same connection (the editor, the settings) wait the full time again after.
class LockWait
{
public:
    LockWait(Database& database, int milliseconds)
        : m_database(database), m_previous(database.busyTimeout())
    {
        if (milliseconds != m_previous)
            m_database.setBusyTimeout(milliseconds);
    }
    ~LockWait()
    {
        if (m_database.isOpen() && m_database.busyTimeout() != m_previous)
            m_database.setBusyTimeout(m_previous);
    }
    LockWait(const LockWait&) = delete;
    LockWait& operator=(const LockWait&) = delete;

private:
    Database& m_database;
    int m_previous;
};

void append(TickerAssembly& assembly, const QVector<TickerEntry>& entries)
{
    for (const TickerEntry& entry : entries)
        assembly.add(entry.source, entry.text);
}

// The broadcaster's due notes, or those of its last read while it is locked:
//  1. a broadcaster not open since a lock kept it out is opened again;
//  2. its display settings are adopted; a locked row ends the reading here;
//  3. its notes are walked; a read error reopens it once, a lock does not.
void readBroadcaster(AppContext& context, const QDateTime& now, TickerAssembly& assembly,
                     RebuildState& state)
{
    const auto keepLast = [&] { append(assembly, state.lastBroadcast); };
    if (!context.broadcast.isOpen() && !context.reopenBroadcast(state.busyTimeoutMs)) {
        if (context.broadcast.lockedOut())
            keepLast();
        return;
    }
    LockWait wait(context.broadcast, state.busyTimeoutMs);
    if (!BroadcastEinstellungenLaden(context.broadcastEinstellungen, context.settings) &&
        context.broadcastEinstellungen.lockedOut()) {
        keepLast();
        return;
    }
    RecordSet& notes = context.broadcastNotizen;
    TickerAssembly read;
    const bool complete =
        walkNotes(notes, TickerSource::Broadcast, now, read, state.Lesezeichen, [&] {
            if (notes.lockedOut() || !context.reopenBroadcast(state.busyTimeoutMs))
                return false;
            context.broadcastEinstellungen.first();
            return true;
        });
    if (complete) {
        state.lastBroadcast = read.Eintraege;
    } else if (notes.lockedOut() || context.broadcast.lockedOut()) {
        keepLast();
        return;
    } else if (!context.broadcast.isOpen()) {
        context.NetzFehler = true;
    }
    append(assembly, read.Eintraege);
}

} // namespace

void readLocalNotes(AppContext& context, const QDateTime& now, TickerAssembly& assembly,
                    RebuildState& state)
{
    LockWait wait(context.local, state.busyTimeoutMs);
    RecordSet& notes = context.localNotizen;
    TickerAssembly read;
    const bool complete = walkNotes(notes, TickerSource::Local, now, read, state.Lesezeichen,
                                    [&notes] { return !notes.lockedOut(); });
    if (complete)
        state.lastLocal = read.Eintraege;
    append(assembly, !complete && notes.lockedOut() ? state.lastLocal : read.Eintraege);
}

void rebuildTicker(AppContext& context, const QDateTime& now, TickerAssembly& assembly,
                   RebuildState& state)
{
    if (context.settings.broadcastStatus && !context.NetzFehler)
        readBroadcaster(context, now, assembly, state);
    if (context.settings.eigeneErlauben)
        readLocalNotes(context, now, assembly, state);
}

} // namespace qb
