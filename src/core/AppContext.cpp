#include "AppContext.h"

#include "PasswordGuard.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace qb {

bool AppContext::openLocal(const QString& path, QString& reason)
{
    DatenbankPfad = path;
    if (!local.open(path, PasswordGuard::connectString, OpenMode::ReadWrite)) {
        reason = local.error();
        return false;
    }
    for (RecordSet* set : {&localNotizen, &localEinstellungen}) {
        if (!set->open()) {
            reason = set->error();
            return false;
        }
    }
    return true;
}

bool AppContext::BroadcastOeffnen(int busyTimeoutMs)
{
    BroadcastDatenbankPfad = settings.broadcastPfad;
    return reopenBroadcast(busyTimeoutMs);
}

bool AppContext::reopenBroadcast(int busyTimeoutMs)
{
    broadcastNotizen.close();
    broadcastEinstellungen.close();
    // A receiver never writes to the broadcaster's file: a read-write connection
    // that met the broadcaster's journal on a share could roll it back.
    if (!broadcast.open(BroadcastDatenbankPfad, PasswordGuard::connectString, OpenMode::ReadOnly,
                        busyTimeoutMs)) {
        // A lock is not a network failure.
        if (!broadcast.lockedOut())
            NetzFehler = true;
        return false;
    }
    broadcastNotizen.open();
    broadcastEinstellungen.open();
    return true;
}

void AppContext::releaseMemory()
{
    local.releaseMemory();
    broadcast.releaseMemory();
#ifdef __GLIBC__
    // glibc keeps freed pages inside the heap for later allocations; between rebuilds
    // the band allocates next to nothing.
    malloc_trim(0);
#endif
}

} // namespace qb
