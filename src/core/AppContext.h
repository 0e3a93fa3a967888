#pragma once

#include "BroadcastFile.h"
#include "BroadcastLink.h"
#include "Database.h"
#include "ProgramValues.h"
#include "RecordSet.h"
#include "Settings.h"

namespace qb {

// Everything the program shares while it runs: the values fixed at start, the
// settings in memory, the local database and, on a receiver, the broadcaster's.
// main() owns the one instance and hands it to the windows.
struct AppContext
{
    ProgramValues values;
    Settings settings;

    QString DatenOrdner;
    QString DatenbankPfad;
    Database local;
    RecordSet localNotizen{local, QStringLiteral("Notizen")};
    RecordSet localEinstellungen{local, QStringLiteral("Einstellungen")};

    QString BroadcastDatenbankPfad;
    Database broadcast;
    RecordSet broadcastNotizen{broadcast, QStringLiteral("Notizen")};
    RecordSet broadcastEinstellungen{broadcast, QStringLiteral("Einstellungen")};
    // The band's way to the broadcaster: every call that touches the broadcaster's file
    // system runs on the link's worker thread (a share may not answer for minutes).
    BroadcastLink broadcastLink{std::make_unique<BroadcastFile>()};
    // The broadcaster cannot be reached; no reading is tried while it is set.
    bool NetzFehler = false;

    // Opens the local database and its two record sets; on failure the reason
    // is left in `reason`.
    bool openLocal(const QString& path, QString& reason);
    // Opens the broadcaster's database (read-only) from broadcastPfad on this thread (the
    // companion; the band reads through broadcastLink), waiting
    // up to busyTimeoutMs for a lock; sets NetzFehler when it cannot, unless only
    // a lock or an unfinished write was in the way (broadcast.lockedOut(): the
    // next rebuild tries again). Record sets that fail to open stay unusable.
    bool BroadcastOeffnen(int busyTimeoutMs = Database::defaultBusyTimeoutMs);
    // Closes the broadcaster's database and opens it again from
    // BroadcastDatenbankPfad, as after a read error.
    bool reopenBroadcast(int busyTimeoutMs = Database::defaultBusyTimeoutMs);
    // Gives back what a rebuild leaves behind until the next one: the page caches of
    // both connections and the heap pages freed since.
    void releaseMemory();
};

} // namespace qb
