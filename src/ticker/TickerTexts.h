#pragma once

#include "core/TextPaar.h"

#include <QString>

namespace qb {

// The band's texts: its menu, its notices and the count of new notes it speaks.
enum class TickerText {
    NeuMen,
    VerwaltungMen,
    EinstellungenMen,
    HilfeMen,
    AboutMen,
    EndeMen,
    NetworkError,
    NoDock,
    NewNotes, // %1 is the count
};

// The text in the language `sprache`; a value other than 1 and 2 as `otherwise` says.
QString tickerText(TickerText which, qint16 sprache, Otherwise otherwise = Otherwise::German);

// Every pair, for the check that each has both languages.
TextTable tickerTextTable();

} // namespace qb
