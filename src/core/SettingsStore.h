#pragma once

#include "Settings.h"

#include <QHash>
#include <QVariant>
#include <optional>

namespace qb {

class RecordSet;

// A Boolean read from a table: 0 is False and every other number True (0.4 too);
// nullopt for Null or text that is not a number.
std::optional<bool> boolValue(const QVariant& stored);

// Loads all settings from the first row of the local Einstellungen record set.
// A column that is missing, Null or unreadable leaves its value as it was,
// except where a load rule gives a default (negative colours, an empty font
// name, Null switches, a Speed below 5).
void EinstellungenLaden(RecordSet& einstellungen, Settings& settings);

// Adopts the broadcaster's display settings, its password and its permission
// for own notes; the language, docking, switches and paths stay the receiver's.
// False when the row could not be read (the settings are unchanged then).
bool BroadcastEinstellungenLaden(RecordSet& broadcasterEinstellungen, Settings& settings);
// The same from a settings row read elsewhere (by the broadcaster's worker).
void BroadcastEinstellungenLaden(const QHash<QString, QVariant>& row, Settings& settings);

// A table Einstellungen without its row (a damaged or hand-edited file) gets a copy of
// the template's row, the columns both tables have. True when the table has a row.
bool EinstellungenZeileSichern(RecordSet& einstellungen, RecordSet& templateRow);

// Writes every setting but erstVorbei into the first row. On failure the row
// keeps its stored values and the reason is left in the record set's error().
bool EinstellungenSpeichern(RecordSet& einstellungen, const Settings& settings);

} // namespace qb
