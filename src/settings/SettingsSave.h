#pragma once

#include "core/StorageFailure.h"

namespace qb {

struct AppContext;
struct Settings;
class TickerBand;

// Takes the settings window's working copy over: stores it, then makes it the settings in
// memory and passes it to the band. A store that fails changes nothing in memory and
// leaves its cause. A receiver opens the broadcaster again and adopts its display
// settings; a broadcaster it cannot open puts the band into its network-error state.
struct SaveOutcome
{
    bool stored = false;
    StorageFailure failure;
};
SaveOutcome EinstellungenUebernehmen(AppContext& context, const Settings& working,
                                     TickerBand& band);

} // namespace qb
