#pragma once

#include <QVector>

namespace qb {

// The scrolling state of the band, in twips: the drawing position x, the mode and the
// step. A new text or a new layout starts at x = StartX + 1; a text wider than the band
// scrolls left by Schritt per tick and repeats without a gap.
class TickerScroll
{
public:
    static constexpr int StartX = 100;

    enum Mode { Standing = 1, Scrolling = 2 };

    // What one tick draws: nothing (the picture stays as it is) or copies of the text
    // whose left ends are at copyX, in the order drawn.
    struct Frame
    {
        bool redraw = false;
        QVector<int> copyX;
        bool operator==(const Frame&) const = default;
    };

    explicit TickerScroll(int schritt = 0) : m_schritt(schritt) {}

    int x() const { return m_x; }
    int LaufModus() const { return m_mode; }
    int Schritt() const { return m_schritt; }
    void setSchritt(int schritt) { m_schritt = schritt; }

    // Back to the left: x = StartX + 1.
    void restart() { m_x = StartX + 1; }

    // A new text: Scrolling when textWidth > bandWidth, else Standing; then restart().
    void setText(int textWidth, int bandWidth);

    // One tick of drawing; contract: copyWidth > 0 is the drawn width of one copy,
    // textWidth the measured width of the text (the test for the first copy).
    //  1. Standing and x <= StartX: nothing to draw (the text was drawn once and stands).
    //  2. The first copy at x while it still reaches into the band (x > -textWidth).
    //  3. Scrolling: further copies, each after the last, while the next left end is not
    //     beyond bandWidth.
    //  4. x moves left by Schritt. Once the first copy has left the band, x moves right by
    //     whole copy widths: the same picture, and the copies per tick stay bounded.
    Frame step(int bandWidth, int copyWidth, int textWidth);

private:
    int m_x = StartX + 1;
    int m_mode = Standing;
    int m_schritt = 0;
};

} // namespace qb
