#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the update notice stands, relative to the band (any one unit).
namespace qb::placement {

// Right edge on the screen's right edge (screenRight: the first pixel right of the screen);
// just below a band docked at the top (dockPos 0), just above a band docked at the bottom.
constexpr QPoint updateSignal(int screenRight, QRect band, QSize window, int dockPos)
{
    return {screenRight - window.width(),
            dockPos == 0 ? band.y() + band.height() : band.y() - window.height()};
}

} // namespace qb::placement
