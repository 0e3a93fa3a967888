#include "TickerRebuild.h"

#include "core/AppContext.h"
#include "core/SettingsStore.h"
#include "ticker/NoteWalk.h"

namespace qb {

void rebuildTicker(AppContext& context, const QDateTime& now, TickerAssembly& assembly,
                   QString& Lesezeichen)
{
    if (context.settings.broadcastStatus && !context.NetzFehler) {
        BroadcastEinstellungenLaden(context.broadcastEinstellungen, context.settings);
        const bool complete = walkNotes(context.broadcastNotizen, TickerSource::Broadcast, now,
                                        assembly, Lesezeichen, [&context] {
                                            if (!context.reopenBroadcast())
                                                return false;
                                            context.broadcastEinstellungen.first();
                                            return true;
                                        });
        if (!complete && !context.broadcast.isOpen())
            context.NetzFehler = true;
    }
    if (context.settings.eigeneErlauben)
        walkNotes(context.localNotizen, TickerSource::Local, now, assembly, Lesezeichen,
                  [] { return true; });
}

} // namespace qb
