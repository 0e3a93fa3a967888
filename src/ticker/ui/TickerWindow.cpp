#include "TickerWindow.h"

#include <QPainter>

#include <cstdlib>

namespace qb {

TickerWindow::TickerWindow(QWindow* parent) : QWindow(parent), m_store(this)
{
    setObjectName(QStringLiteral("NotizPanBand"));
    setSurfaceType(QSurface::RasterSurface);
    // Clicks reach the band's menu and commands; the keyboard stays with the band window.
    setFlag(Qt::WindowDoesNotAcceptFocus);
}

void TickerWindow::setTextTop(int pixels)
{
    if (pixels == m_textTop)
        return;
    m_textTop = pixels;
    redraw();
}

namespace {

// The distance by which every copy moved, when all moved alike; 0 otherwise. A
// copy that newly enters at the right edge has no old position to compare.
int uniformShift(const QVector<int>& before, const QVector<int>& after)
{
    if (before.isEmpty() || after.size() < before.size())
        return 0;
    const int shift = after.first() - before.first();
    for (qsizetype i = 1; i < before.size(); ++i) {
        if (after[i] - before[i] != shift)
            return 0;
    }
    return shift;
}

} // namespace

void TickerWindow::showCopies(const QVector<int>& copyX)
{
    const int shift = uniformShift(m_copyX, copyX);
    m_copyX = copyX;
    if (!isExposed() || !m_painting)
        return; // painted in full when it is exposed
    // The same picture moved sideways: only the strip that comes into view is painted.
    if (shift != 0 && std::abs(shift) < width() && scrollBand(shift))
        paint(shift < 0 ? QRect(width() + shift, 0, -shift, height())
                        : QRect(0, 0, shift, height()));
    else
        redraw();
}

bool TickerWindow::scrollBand(int dx)
{
    // Only the part that stays in view is given: Qt 6.4 on xcb reports success for the
    // whole band but moves nothing.
    const QRect staying =
        dx < 0 ? QRect(-dx, 0, width() + dx, height()) : QRect(0, 0, width() - dx, height());
    return m_store.scroll(staying, dx, 0);
}

void TickerWindow::redraw()
{
    if (isExposed() && m_painting)
        paint(band());
}

void TickerWindow::setPainting(bool on)
{
    m_painting = on;
    redraw();
}

void TickerWindow::paint(const QRect& area)
{
    m_picture.setGeometry(size(), m_textTop, devicePixelRatio());
    m_store.beginPaint(area);
    QPainter painter(m_store.paintDevice());
    painter.setClipRect(area);
    m_picture.paint(painter, m_copyX, area);
    painter.end();
    m_store.endPaint();
    m_store.flush(band());
}

void TickerWindow::exposeEvent(QExposeEvent*)
{
    redraw();
}

void TickerWindow::resizeEvent(QResizeEvent*)
{
    m_store.resize(size());
    redraw();
}

} // namespace qb
