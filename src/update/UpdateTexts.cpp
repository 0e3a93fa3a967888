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
    {"Update not installed: no new version on offer.",
     "Update nicht installiert: keine neue Version."},
    {"Update to %1 not installed: download failed.",
     "Update auf %1 nicht installiert: Laden fehlgeschlagen."},
    {"Update to %1 not installed: wrong checksum.",
     "Update auf %1 nicht installiert: Prüfsumme falsch."},
    {"Update to %1 not installed: not a Quillaband package.",
     "Update auf %1 nicht installiert: kein Quillaband-Paket."},
    {"Update to %1 not installed: wrong package version.",
     "Update auf %1 nicht installiert: falsche Paketversion."},
    {"Update to %1 not installed: not authorised.",
     "Update auf %1 nicht installiert: nicht genehmigt."},
    {"Update to %1 not installed: the package tools failed.",
     "Update auf %1 nicht installiert: Paketverwaltung meldet Fehler."},
    {"Update to %1 not installed: installing could not start.",
     "Update auf %1 nicht installiert: Installation nicht startbar."},
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
