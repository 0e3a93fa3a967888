#pragma once

#include <cmath>

namespace qb::twips {

// Window geometry is described in twips; 15 twips make one logical pixel
// (96 dots per inch). This is the one place that converts; Qt scales logical
// pixels for high-DPI screens.
inline constexpr int perPixel = 15;

constexpr int fromPixels(int pixels) { return pixels * perPixel; }

// Rounds to the nearest pixel, halves away from zero.
inline int toPixels(double twips) { return static_cast<int>(std::lround(twips / perPixel)); }

} // namespace qb::twips
