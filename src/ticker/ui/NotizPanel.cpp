#include "NotizPanel.h"

#include <QPainter>

#include <cstdlib>

namespace qb {

NotizPanel::NotizPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("NotizPan"));
    // The picture covers every pixel: no background erase before painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void NotizPanel::setTextTop(int pixels)
{
    if (pixels == m_textTop)
        return;
    m_textTop = pixels;
    update();
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

void NotizPanel::showCopies(const QVector<int>& copyX)
{
    const int shift = uniformShift(m_copyX, copyX);
    m_copyX = copyX;
    // The same picture moved sideways: the window system moves the pixels and
    // only the strip that comes into view is painted and sent to the display.
    if (shift != 0 && std::abs(shift) < width())
        scroll(shift, 0);
    else
        update();
}

void NotizPanel::paintEvent(QPaintEvent*)
{
    m_picture.setGeometry(size(), m_textTop, devicePixelRatioF());
    QPainter painter(this);
    m_picture.paint(painter, m_copyX);
}

} // namespace qb
