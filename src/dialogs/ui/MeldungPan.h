#pragma once

#include <QString>

class QLabel;

namespace qb {

// The message line of a window (its MeldungPan): the editor's and the settings window's
// error texts. The ground takes a colour of the classic palette; the text is also the
// line's accessible name, so a screen reader reads the message.
inline constexpr int meldungRot = 12; // light red: errors
inline constexpr int meldungGrau = 7; // light grey: the empty line

void MeldungPanSetzen(QLabel& meldungPan, const QString& text, int colourNumber);
// An empty text on light grey.
void MeldungPanLeeren(QLabel& meldungPan);

} // namespace qb
