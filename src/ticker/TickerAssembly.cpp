#include "TickerAssembly.h"

#include "core/ProgramValues.h"

namespace qb {

void TickerAssembly::add(TickerSource source, const QString& inhalt)
{
    Eintraege.append(TickerEntry{source, inhalt});
    TickerText += inhalt + ProgramValues::Trenner;
}

void TickerAssembly::clear()
{
    Eintraege.clear();
    TickerText.clear();
}

} // namespace qb
