#pragma once

#include <QString>

namespace qb {

// What the band shows of a note's text; the stored text stays as typed.
//  - A line break (CR LF, CR, LF, VT, FF, NEL, or a Unicode line or paragraph
//    separator) and a tab each show as one blank; other control characters are dropped.
//  - At most bandTextLimit characters are shown: a longer text is cut between
//    two graphemes at or before the limit and an ellipsis follows. Only the characters up to the
//    limit are looked at, so a note of megabytes costs what a short one costs.
inline constexpr int bandTextLimit = 1000;
QString bandText(const QString& inhalt);

} // namespace qb
