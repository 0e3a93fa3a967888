#pragma once

#include <QString>

namespace qb {

// Program-wide values fixed at start.
struct ProgramValues
{
    // The program's one version value (300: 3.00); the build reads the package version here.
    static constexpr int ProgrammVersion = 300;
    static inline const QString Zeilenumbruch = QStringLiteral("\r\n");
    // Blank, middle dot, blank: the separator after every ticker entry.
    static inline const QString Trenner = QStringLiteral(" \u00B7 ");

    // Today at start in the layout dd/mm/yyyy with the locale's date separator.
    QString heuteText;
    // The folder of the template and the start pages; empty: the current folder.
    QString dataFolder;
    // The first rebuild of the ticker skips the online version check.
    bool UpdateVersuchAus = true;
};

} // namespace qb
