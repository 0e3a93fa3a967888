#include "admin/AdminTexts.h"

#include <iterator>

namespace qb {

namespace {

// In the order of VerwaltungText.
constexpr TextPaar texts[] = {
    {u"Quillaband - Notes administration", u"Quillaband - Notizverwaltung"},
    {u"&Edit first selected note", u"&Erste markierte Notiz bearbeiten"},
    {u"De&lete selected notes", u"Markierte Notizen &löschen"},
    {u"&Close", u"S&chließen"},
    {u"Really delete seleted notes?", u"Markierte Notizen wirklich löschen?"},
    {u"Datensatz nicht gefunden", u"Datensatz nicht gefunden"},
};
static_assert(std::size(texts) == static_cast<std::size_t>(VerwaltungText::RecordNotFound) + 1);

} // namespace

QString verwaltungText(VerwaltungText text, qint16 sprache)
{
    return inSprache(texts[static_cast<std::size_t>(text)], sprache);
}

TextTable verwaltungTextTable()
{
    return {std::begin(texts), std::end(texts)};
}

} // namespace qb
