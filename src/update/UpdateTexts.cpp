#include "UpdateTexts.h"

#include <iterator>

namespace qb {

namespace {

// In the order of UpdateText; %1 is the offered version. The outcomes fit the band's
// small bubble.
constexpr TextPaar texts[] = {
    {u"Quillaband update", u"Quillaband-Update"},
    {u"Downloading version %1", u"Version %1 wird geladen"},
    {u"Verifying the package", u"Das Paket wird geprüft"},
    {u"Installing", u"Wird installiert"},
    {u"Close", u"Schließen"},
    {u"Version %1 has been installed.", u"Version %1 wurde installiert."},
    {u"Update failed: no new version on offer.", u"Update-Fehler: keine neue Version."},
    {u"Update failed: could not download.", u"Update-Fehler: Download misslungen."},
    {u"Update failed: wrong checksum.", u"Update-Fehler: Prüfsumme falsch."},
    {u"Update failed: wrong package name.", u"Update-Fehler: falscher Paketname."},
    {u"Update failed: wrong package version.", u"Update-Fehler: falsche Paketversion."},
    {u"Update failed: not authorised.", u"Update-Fehler: nicht genehmigt."},
    {u"Update failed: package tools failed.", u"Update-Fehler: Paketverwaltung meldet Fehler."},
    {u"Update failed: cannot run the installer.", u"Update-Fehler: Installer nicht startbar."},
    {u"Update available", u"Update verfügbar"},
    {u"Install update now?", u"Jetzt Update installieren?"},
    {u"Source build: download page opened.", u"Eigener Build: Download-Seite geöffnet."},
    {u"This copy was not installed from a package and cannot update itself. Download the new "
     u"version from ",
     u"Diese Kopie wurde nicht aus einem Paket installiert und kann sich nicht selbst "
     u"aktualisieren. Die neue Version gibt es unter "},
    {u"The update could not be started.", u"Das Update konnte nicht gestartet werden."},
};
static_assert(std::size(texts) == static_cast<std::size_t>(UpdateText::UpdaterNotStarted) + 1);

} // namespace

QString updateText(UpdateText which, qint16 sprache)
{
    return inSprache(texts[static_cast<std::size_t>(which)], sprache);
}

QString updateText(UpdateText which, const UpdateOrder& order)
{
    const QString text = updateText(which, order.Sprache);
    return text.contains(QLatin1String("%1")) ? text.arg(packageVersion(order.version)) : text;
}

TextTable updateTextTable()
{
    return {std::begin(texts), std::end(texts)};
}

} // namespace qb
