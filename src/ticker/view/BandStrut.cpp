#include "BandStrut.h"

namespace qb {

namespace {

// Places in the partial strut.
constexpr int top = 2, bottom = 3, topStartX = 8, topEndX = 9, bottomStartX = 10, bottomEndX = 11;

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
        v[bottom] = desktop.bottom() - span.top() + 1;
        v[bottomStartX] = span.left();
        v[bottomEndX] = span.right();
    } else {
        v[top] = span.bottom() - desktop.top() + 1;
        v[topStartX] = span.left();
        v[topEndX] = span.right();
    }
    return strut;
}

} // namespace qb
