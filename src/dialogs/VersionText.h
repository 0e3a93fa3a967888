#pragma once

#include <QString>

namespace qb {

// The version as the windows show it: "Build 3.00" (Sprache 1) or "Version 3.00" (otherwise)
// for version 300; always with a decimal point, whatever the locale writes.
QString VersionText(int version, qint16 sprache);

// The about page on the project's web server: English for Sprache 1, German otherwise.
QString aboutPageAddress(qint16 sprache);

// The download page on the project's web server, in the same languages.
QString downloadPageAddress(qint16 sprache);

} // namespace qb
