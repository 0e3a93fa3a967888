#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the about window stands, relative to the band (any one unit).
namespace qb::placement {

// Centred on the band; it may reach above the top of the screen.
constexpr QPoint about(QRect band, QSize window)
{
    return {band.x() + (band.width() - window.width()) / 2,
            band.y() + (band.height() - window.height()) / 2};
}

} // namespace qb::placement
