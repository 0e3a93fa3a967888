#pragma once

#include <QPointF>

namespace qb {

// Offsets (twips) of the network-error notice from the active window's top-left corner:
// centred on the band (the bubble is 1770 wide); below the middle of a band docked at the
// top (dockPos 0), above a band docked at the bottom.
QPointF noticeOffset(int windowWidth, int innerHeight, int windowTop, qint32 dockPos,
                     int bubbleHeight);

} // namespace qb
