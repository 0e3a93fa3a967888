#include "TickerScroll.h"

namespace qb {

void TickerScroll::setText(int textWidth, int bandWidth)
{
    m_mode = textWidth > bandWidth ? Scrolling : Standing;
    restart();
}

TickerScroll::Frame TickerScroll::step(int bandWidth, int copyWidth, int textWidth)
{
    Frame frame;
    if (m_mode == Standing && m_x <= StartX)
        return frame;

    frame.redraw = true;
    const int x0 = m_x;
    int drawX = x0;
    if (x0 > -textWidth) {
        frame.copyX.append(drawX);
        drawX += copyWidth;
    }
    if (m_mode == Scrolling && copyWidth > 0) {
        while (drawX <= bandWidth) {
            frame.copyX.append(drawX);
            drawX += copyWidth;
        }
    }

    m_x = x0 - m_schritt;
    if (m_mode == Scrolling && copyWidth > 0 && m_x <= -copyWidth)
        m_x = -((-m_x) % copyWidth);
    return frame;
}

} // namespace qb
