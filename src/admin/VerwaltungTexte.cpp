#include "admin/VerwaltungTexte.h"

namespace qb {

QString verwaltungText(VerwaltungText text, int sprache)
{
    const bool english = sprache == 1;
    switch (text) {
    case VerwaltungText::WindowTitle:
        return english ? QStringLiteral("Quillaband - Notes administration")
                       : QStringLiteral("Quillaband - Notizverwaltung");
    case VerwaltungText::BearbeitenBef:
        return english ? QStringLiteral("&Edit first selected note")
                       : QStringLiteral("&Erste markierte Notiz bearbeiten");
    case VerwaltungText::LoeschenBef:
        return english ? QStringLiteral("De&lete selected notes")
                       : QStringLiteral("Markierte Notizen &löschen");
    case VerwaltungText::EndeBef:
        return english ? QStringLiteral("&Close") : QStringLiteral("S&chließen");
    case VerwaltungText::DeleteQuestion:
        return english ? QStringLiteral("Really delete seleted notes?")
                       : QStringLiteral("Markierte Notizen wirklich löschen?");
    case VerwaltungText::RecordNotFound: return QStringLiteral("Datensatz nicht gefunden");
    }
    return {};
}

} // namespace qb
