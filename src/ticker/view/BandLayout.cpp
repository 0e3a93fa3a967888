#include "BandLayout.h"

#include "core/Settings.h"

#include <cmath>

namespace qb {

int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value)); // default rounding mode: to nearest even
}

int BandLayout::computedTextY(int bandHeight, int textHeight)
{
    const int centred = roundHalfEven((bandHeight - textHeight) / 2.0);
    return roundHalfEven(centred * 0.8);
}

BandLayout BandLayout::compute(const Settings& settings, QRect screen, int textHeight)
{
    BandLayout layout;
    layout.windowWidth = screen.width();
    layout.bandHeight = roundHalfEven(textHeight * 1.5);
    const int h = layout.bandHeight;

    // Three font sizes place the text at fixed heights instead of the computed one.
    switch (settings.SchriftGroesse) {
    case 9:
        layout.textY = 170;
        break;
    case 11:
        layout.textY = 135;
        break;
    case 14:
        layout.textY = 85;
        break;
    default:
        layout.textY = computedTextY(h, textHeight);
        break;
    }

    const int w = layout.windowWidth;
    layout.clockVisible = settings.zeigDatum;
    if (settings.zeigRahmen) {
        layout.windowHeight = h + frameExtra;
        layout.bevel = true;
        layout.datumRect = QRect(frameInset, frameInset, datumWidth, h);
        layout.uhrRect = QRect(frameInset + datumWidth, frameInset, uhrWidth, h);
        if (settings.zeigDatum) {
            layout.notizRect = QRect(2025, frameInset, w - datumWidth - uhrWidth - frameExtra, h);
        } else {
            layout.notizRect = QRect(frameInset, frameInset, w - frameExtra, h);
        }
    } else {
        layout.windowHeight = h;
        layout.bevel = false;
        layout.datumRect = QRect(0, 0, datumWidth, h);
        layout.uhrRect = QRect(datumWidth, 0, uhrWidth, h);
        if (settings.zeigDatum) {
            const int left = layout.uhrRect.x() + uhrWidth;
            layout.notizRect = QRect(left, 0, w - datumWidth - uhrWidth, h);
        } else {
            layout.notizRect = QRect(0, 0, w, h);
        }
    }

    layout.windowLeft = screen.x();
    layout.windowTop =
        screen.y() + (settings.dockPos == 0 ? 0 : screen.height() - layout.windowHeight);
    layout.measureTop = layout.windowHeight + measureGap;
    return layout;
}

} // namespace qb
