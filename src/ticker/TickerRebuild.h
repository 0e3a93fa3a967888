#pragma once

#include "ticker/TickerAssembly.h"

#include <QDateTime>

namespace qb {

struct AppContext;

// One rebuild of the ticker text at a moment: a connected receiver first
// adopts the broadcaster's display settings and takes its due notes, then the
// local due notes follow when own notes are allowed. A broadcaster whose
// reading fails and that cannot be reopened counts as unreachable (NetzFehler).
// Lesezeichen holds the bookmark of the row being read.
void rebuildTicker(AppContext& context, const QDateTime& now, TickerAssembly& assembly,
                   QString& Lesezeichen);

} // namespace qb
