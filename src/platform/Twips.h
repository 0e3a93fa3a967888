#pragma once

#include <QRect>

#include <cmath>

namespace qb::twips {

// Window geometry is described in twips; 15 twips make one logical pixel
// (96 dots per inch). This is the one place that converts; Qt scales logical
// pixels for high-DPI screens.
inline constexpr int perPixel = 15;

constexpr int fromPixels(int pixels)
{
    return pixels * perPixel;
}

constexpr QRect fromPixels(const QRect& pixels)
{
    return QRect(fromPixels(pixels.x()), fromPixels(pixels.y()), fromPixels(pixels.width()),
                 fromPixels(pixels.height()));
}

// Rounds to the nearest pixel, halves away from zero.
inline int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / perPixel));
}

// A rectangle in twips as pixels. The edges are rounded one by one, so neighbouring
// controls share their pixel edges.
inline QRect toPixels(const QRectF& twipsRect)
{
    const int left = toPixels(twipsRect.left());
    const int top = toPixels(twipsRect.top());
    return QRect(left, top, toPixels(twipsRect.right()) - left, toPixels(twipsRect.bottom()) - top);
}

} // namespace qb::twips
