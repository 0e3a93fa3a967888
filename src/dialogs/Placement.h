#pragma once

#include <QPoint>
#include <QSize>

#include <algorithm>

// Where the note windows open, in twips on the screen. The band counts as docked at the top
// when its top edge lies less than 100 twips below the top of the screen.
namespace qb::placement {

constexpr bool bandAtTop(int tickerTop)
{
    return tickerTop < 100;
}

// The note editor: centred across the screen (its left edge not below 0); 200 below the
// top of the screen when the band is at the top, otherwise 200 above the band.
constexpr QPoint notizen(QSize screen, int tickerTop, QSize editor)
{
    const int left = std::max(0, (screen.width() - editor.width()) / 2);
    return {left, bandAtTop(tickerTop) ? 200 : tickerTop - editor.height() - 200};
}

// The notes administration: left edge at 2050; 200 below the top of the screen when the
// band is at the top, otherwise 200 above the bottom of the screen.
constexpr QPoint verwaltung(QSize screen, int tickerTop, QSize window)
{
    return {2050, bandAtTop(tickerTop) ? 200 : screen.height() - window.height() - 200};
}

} // namespace qb::placement
