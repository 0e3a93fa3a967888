#pragma once

#include "core/BandPlacement.h"

#include <QPoint>
#include <QSize>

#include <algorithm>

// Where the note editor opens, in twips on the screen.
namespace qb::placement {

// Centred across the screen (its left edge not below 0); 200 below the top of the screen
// when the band is at the top, otherwise 200 above the band.
constexpr QPoint notizen(QSize screen, int tickerTop, QSize editor)
{
    const int left = std::max(0, (screen.width() - editor.width()) / 2);
    return {left, bandAtTop(tickerTop) ? 200 : tickerTop - editor.height() - 200};
}

} // namespace qb::placement
