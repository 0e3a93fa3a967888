#include "UpdateTexts.h"

#include <array>

namespace qb {

namespace {

struct Pair
{
    const char* english;
    const char* german;
};

// In the order of UpdateText; %1 is the offered version. The outcomes fit the band's
// small bubble.
constexpr std::array<Pair, 14> texts{{
    {"Quillaband update", "Quillaband-Update"},
    {"Downloading version %1", "Version %1 wird geladen"},
    {"Verifying the package", "Das Paket wird geprüft"},
    {"Installing", "Wird installiert"},
    {"Close", "Schließen"},
    {"Version %1 has been installed.", "Version %1 wurde installiert."},
    {"Update failed: no new version on offer.", "Update-Fehler: keine neue Version."},
    {"Update failed: could not download.", "Update-Fehler: Download misslungen."},
    {"Update failed: wrong checksum.", "Update-Fehler: Prüfsumme falsch."},
    {"Update failed: wrong package name.", "Update-Fehler: falscher Paketname."},
    {"Update failed: wrong package version.", "Update-Fehler: falsche Paketversion."},
    {"Update failed: not authorised.", "Update-Fehler: nicht genehmigt."},
    {"Update failed: package tools failed.", "Update-Fehler: Paketverwaltung meldet Fehler."},
    {"Update failed: cannot run the installer.", "Update-Fehler: Installer nicht startbar."},
}};
static_assert(texts.size() == static_cast<std::size_t>(UpdateText::NotStarted) + 1);

} // namespace

QString updateText(UpdateText which, const UpdateOrder& order)
{
    const Pair& pair = texts.at(static_cast<std::size_t>(which));
    const QString text = QString::fromUtf8(order.Sprache == 1 ? pair.english : pair.german);
    return text.contains(QLatin1String("%1")) ? text.arg(packageVersion(order.version)) : text;
}

} // namespace qb
