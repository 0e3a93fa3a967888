#include "DialogTexts.h"

#include <iterator>

namespace qb {

namespace {

// In the order of DialogText.
constexpr TextPaar texts[] = {
    {u"About ...", u"Über ..."},
    {u"Notes and News System for Linux", u"Notiz- und Nachrichtensystem für Linux"},
    {u"Quillaband in the web", u"Quillaband im Web"},
    {u"Close", u"Schließen"},
    {u"Cancel", u"Abbrechen"},
    {u"Yes", u"Ja"},
    {u"No", u"Nein"},
    {u"Build ", u"Version "},
    {u"/quillaband/en/about.htm", u"/quillaband/de/about.htm"},
    {u"/quillaband/en/download.htm", u"/quillaband/de/download.htm"},
};
static_assert(std::size(texts) == static_cast<std::size_t>(DialogText::DownloadPage) + 1);

} // namespace

QString dialogText(DialogText which, qint16 sprache)
{
    const bool button =
        which == DialogText::Cancel || which == DialogText::Yes || which == DialogText::No;
    return inSprache(texts[static_cast<std::size_t>(which)], sprache,
                     button ? Otherwise::English : Otherwise::German);
}

TextTable dialogTextTable()
{
    return {std::begin(texts), std::end(texts)};
}

} // namespace qb
