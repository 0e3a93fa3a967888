#pragma once

#include "core/TextPaar.h"

#include <QString>
#include <QStringList>

namespace qb {

// The note editor's captions by object name ("ZeitArtOpt(0)", "zzzPanel(25)", "OkBef",
// "windowTitle"), in the language Sprache (1 English, otherwise German); an empty text for
// a name without a caption. Also the accessible names of the controls without a caption
// of their own ("Notiz", "MonArtOpt(1)", "MonArtOpt(2)").
QString editorCaption(const QString& name, qint16 sprache);

// The names of every control that has a caption, in table order.
QStringList editorCaptionNames();

// The entries of WoTagCom (Monday first) and of each MonatJah list (January first).
QStringList weekdayNames(qint16 sprache);
QStringList monthNames(qint16 sprache);

// The captions and list entries above, for the check that each has both languages.
TextTable editorCaptionTable();

} // namespace qb
