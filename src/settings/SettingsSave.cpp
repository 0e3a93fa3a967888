#include "SettingsSave.h"

#include "TickerBand.h"
#include "core/AppContext.h"
#include "core/SettingsStore.h"

namespace qb {

// 1. the row first: memory changes only when it is stored;
// 2. the band's scroll step;
// 3. a receiver: rebuild at the next tick, the broadcaster reopened, its display adopted,
//    the band laid out.
SaveOutcome EinstellungenUebernehmen(AppContext& context, const Settings& working, TickerBand& band)
{
    Settings stored = working;
    stored.erstVorbei = context.settings.erstVorbei;
    stored.Schrift3D = 0; // the window has no control for it
    if (!EinstellungenSpeichern(context.localEinstellungen, stored))
        return {false, context.localEinstellungen.failure()};
    context.settings = stored;

    band.setSchritt(stored.Speed);
    if (stored.broadcastStatus) {
        band.requestRebuild();
        // A broadcaster that cannot be opened sets the error again: the band gives its
        // notice and retries.
        context.NetzFehler = false;
        if (context.BroadcastOeffnen())
            BroadcastEinstellungenLaden(context.broadcastEinstellungen, context.settings);
        band.MachLayout();
    }
    return {true, {}};
}

} // namespace qb
