#pragma once

#include <QRect>
#include <QSize>

namespace qb {

struct Settings;

// Rounds to the nearest whole number, a half going to the even neighbour.
int roundHalfEven(double value);

// Every number of the band's layout, in twips, computed from the settings, the screen
// size and the measured height of the text "test" in the window's font.
struct BandLayout
{
    static constexpr int datumWidth = 915;
    static constexpr int uhrWidth = 1065;
    static constexpr int frameInset = 45;
    static constexpr int frameExtra = 135; // window height above h, and width lost to the frame
    static constexpr int measureGap = 100; // measuring panels sit this far below the window

    int windowLeft = 0;
    int windowTop = 0;
    int windowWidth = 0;
    int windowHeight = 0;
    int bandHeight = 0; // h: the height of the three panels
    int textY = 0;      // TextY: top of the ticker text inside NotizPan
    QRect datumRect;
    QRect uhrRect;
    QRect notizRect;
    bool clockVisible = false; // DatumPan and UhrPan
    bool bevel = false;        // DatumPan and UhrPan drawn raised
    int measureTop = 0;        // top of the hidden measuring panels

    bool operator==(const BandLayout&) const = default;

    // Contract: screen (the primary screen's place on the desktop) in twips, textHeight > 0
    // in twips. The panels' rectangles are relative to the window; the window's position
    // is on the desktop.
    static BandLayout compute(const Settings& settings, QRect screen, int textHeight);

    // TextY before the font-size overrides: (h - t) / 2 rounded, times 0.8 rounded.
    static int computedTextY(int bandHeight, int textHeight);
};

} // namespace qb
