#pragma once

#include "core/Database.h"
#include "ticker/TickerAssembly.h"

#include <QDateTime>

namespace qb {

struct AppContext;

// What rebuilds carry from one to the next.
struct RebuildState
{
    // The bookmark of the row being read.
    QString Lesezeichen;
    // How long a read waits for another program's lock. The band's rebuilds wait
    // briefly, so that a lock never stalls the tick; the companion waits longer.
    int busyTimeoutMs = Database::defaultBusyTimeoutMs;
    // Each source's entries from its last complete read, shown again while the
    // source is locked or holds another program's unfinished write.
    QVector<TickerEntry> lastBroadcast;
    QVector<TickerEntry> lastLocal;
};

// One rebuild of the ticker text at a moment: a connected receiver first
// adopts the broadcaster's display settings and takes its due notes, then the
// local due notes follow when own notes are allowed. A broadcaster whose
// reading fails and that cannot be reopened counts as unreachable (NetzFehler);
// a locked one is no failure: its entries of the last read stay.
// The local due notes, or those of the last read while the local file is locked.
void readLocalNotes(AppContext& context, const QDateTime& now, TickerAssembly& assembly,
                    RebuildState& state);

void rebuildTicker(AppContext& context, const QDateTime& now, TickerAssembly& assembly,
                   RebuildState& state);

} // namespace qb
