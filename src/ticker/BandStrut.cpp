#include "BandStrut.h"

namespace qb {

namespace {

enum Index { Top = 2, Bottom = 3, TopStartX = 8, TopEndX = 9, BottomStartX = 10, BottomEndX = 11 };

} // namespace

Strut bandStrut(const QList<QRect>& monitors, const QRect& band, bool atBottom, bool visible)
{
    Strut strut;
    QRect desktop;
    for (const QRect& monitor : monitors)
        desktop |= monitor;
    const QRect span = band.intersected(desktop);
    if (!visible || span.isEmpty())
        return strut;
    // The rows between the band and the desktop's edge, across the band's width.
    const QRect beyond =
        atBottom
            ? QRect(QPoint(span.left(), span.bottom() + 1), QPoint(span.right(), desktop.bottom()))
            : QRect(QPoint(span.left(), desktop.top()), QPoint(span.right(), span.top() - 1));
    for (const QRect& monitor : monitors) {
        if (beyond.intersects(monitor))
            return strut;
    }
    auto& v = strut.values;
    if (atBottom) {
        v[Bottom] = desktop.bottom() - span.top() + 1;
        v[BottomStartX] = span.left();
        v[BottomEndX] = span.right();
    } else {
        v[Top] = span.bottom() - desktop.top() + 1;
        v[TopStartX] = span.left();
        v[TopEndX] = span.right();
    }
    return strut;
}

} // namespace qb
