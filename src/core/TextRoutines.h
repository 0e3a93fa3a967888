#pragma once

#include <QString>

namespace qb {

// Positions are 1-based, as everywhere in the program's text routines.

// Searches pattern from the end of text: when it is found at position p, the
// result is Len(text) + 1 - p; 0 when it is not found or either text is empty.
int LetztePosition(const QString& text, const QString& pattern);

// Cuts `count` characters off the left (side 1) or right (side 2) end of text
// and returns them; nothing is cut (result empty) when the text is empty,
// count exceeds its length, count is negative or the side is unknown.
QString Abschneiden(QString& text, int count, int side);

// Replaces `count` characters from `position` by `insert`; a range past the
// end stops at the last character. Positions outside the text change nothing.
void ZeichenErsetzen(QString& text, const QString& insert, int position, int count);

// Replaces every CR LF pair by one blank.
void ZeilenVerbinden(QString& text);

} // namespace qb
