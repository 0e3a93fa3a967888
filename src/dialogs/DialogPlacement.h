#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the about window and the update notice stand, relative to the band (any one unit).
namespace qb::placement {

// Centred on the band; it may reach above the top of the screen.
constexpr QPoint about(QRect band, QSize window)
{
    return {band.x() + (band.width() - window.width()) / 2,
            band.y() + (band.height() - window.height()) / 2};
}

// Right edge on the screen's right edge (screenRight: the first pixel right of the screen);
// just below a band docked at the top (dockPos 0), just above a band docked at the bottom.
constexpr QPoint updateSignal(int screenRight, QRect band, QSize window, int dockPos)
{
    return {screenRight - window.width(),
            dockPos == 0 ? band.y() + band.height() : band.y() - window.height()};
}

} // namespace qb::placement
