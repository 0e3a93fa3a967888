#include "NotizPanel.h"

#include <QPainter>

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

void NotizPanel::showCopies(const QVector<int>& copyX)
{
    m_copyX = copyX;
    update();
}

void NotizPanel::paintEvent(QPaintEvent*)
{
    m_picture.setGeometry(size(), m_textTop, devicePixelRatioF());
    QPainter painter(this);
    m_picture.paint(painter, m_copyX);
}

} // namespace qb
