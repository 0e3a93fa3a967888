#pragma once

#include <QString>

namespace qb {

class Platform;

// The start page in the language Sprache ("start-e.htm" English, "start-d.htm"
// German), beside the program; empty for any other language value.
QString hilfeSeite(qint16 sprache);

// Opens the start page of the language with the desktop's handler; false when
// there is none for the language or no handler took it.
bool HilfeZeigen(Platform& platform, qint16 sprache);

} // namespace qb
