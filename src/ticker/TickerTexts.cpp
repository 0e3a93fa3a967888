#include "ticker/TickerTexts.h"

#include <iterator>

namespace qb {

namespace {

// In the order of TickerText. The menu's key hints: three spaces before "Ctrl-N", two before
// "F1".
constexpr TextPaar texts[] = {
    {u"New note   Ctrl-N", u"Neue Notiz   Strg-N"},
    {u"Notes administration", u"Notizverwaltung"},
    {u"Settings", u"Einstellungen"},
    {u"Help  F1", u"Hilfe  F1"},
    {u"About ...", u"Über ..."},
    {u"End", u"Beenden"},
    {u"Network error - cannot reach broadcast server.",
     u"Netzwerkfehler - Broadcast Server nicht erreichbar."},
    {u"This desktop does not let the band dock at the screen edge; see Help.",
     u"Dieser Desktop lässt das Band nicht am Bildschirmrand andocken; siehe Hilfe."},
    {u"%1 new notes", u"%1 neue Notizen"},
};
static_assert(std::size(texts) == static_cast<std::size_t>(TickerText::NewNotes) + 1);

} // namespace

QString tickerText(TickerText which, qint16 sprache, Otherwise otherwise)
{
    return inSprache(texts[static_cast<std::size_t>(which)], sprache, otherwise);
}

TextTable tickerTextTable()
{
    return {std::begin(texts), std::end(texts)};
}

} // namespace qb
