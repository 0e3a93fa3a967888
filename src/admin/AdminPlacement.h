#pragma once

#include "core/BandPlacement.h"

#include <QPoint>
#include <QSize>

// Where the notes administration opens, in twips on the screen.
namespace qb::placement {

// Left edge at 2050; 200 below the top of the screen when the band is at the top, otherwise
// 200 above the bottom of the screen.
constexpr QPoint verwaltung(QSize screen, int tickerTop, QSize window)
{
    return {2050, bandAtTop(tickerTop) ? 200 : screen.height() - window.height() - 200};
}

} // namespace qb::placement
