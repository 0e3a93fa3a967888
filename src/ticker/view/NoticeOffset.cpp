#include "NoticeOffset.h"

namespace qb {

QPointF noticeOffset(int windowWidth, int innerHeight, int windowTop, qint32 dockPos,
                     int bubbleHeight)
{
    const double x = windowWidth / 2.0 - 885;
    const double y = dockPos == 0 ? innerHeight / 2.0 + windowTop - 400
                                  : -static_cast<double>(bubbleHeight) - 300;
    return {x, y};
}

} // namespace qb
