#include "MBoxButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace qb {

MBoxButton::MBoxButton(QWidget* parent) : QAbstractButton(parent)
{
    // No keyboard focus: Enter has no default button, Esc is the box's.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void MBoxButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(ground(), 0, 0));
    painter.setPen(Qt::white);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}

void MBoxButton::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit pressedDown();
}

void MBoxButton::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    emit releasedUp();
}

// Dragging off the button neither releases nor cancels it.
void MBoxButton::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

void MBoxButton::enterEvent(QEnterEvent*)
{
    m_hover = true;
    update();
}

void MBoxButton::leaveEvent(QEvent*)
{
    m_hover = false;
    update();
}

} // namespace qb
