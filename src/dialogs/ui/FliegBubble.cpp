#include "FliegBubble.h"

#include "platform/Platform.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <algorithm>

namespace qb {

namespace {

// The face: a rounded body with a tail at the upper left, pointing up to the band.
QPainterPath facePath(const QRectF& area)
{
    const QRectF body(area.left(), area.top() + 20, area.width(), area.height() - 20);
    QPainterPath path;
    path.addRoundedRect(body, 14, 14);
    QPainterPath tail;
    tail.moveTo(body.left() + 26, body.top() + 1);
    tail.lineTo(body.left() + 18, area.top());
    tail.lineTo(body.left() + 46, body.top() + 1);
    tail.closeSubpath();
    return path.united(tail);
}

} // namespace

FliegBubble::FliegBubble(Platform& platform, const QString& text, QPoint target, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_platform(platform), m_target(target)
{
    setObjectName(QStringLiteral("FliegBubble"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips::toPixels(widthTwips), twips::toPixels(heightTwips));

    m_textPan = new QLabel(text, this);
    m_textPan->setObjectName(QStringLiteral("mTextPan"));
    m_textPan->setGeometry(twips::toPixels(QRectF(150, 420, 1485, 690)));
    m_textPan->setAlignment(Qt::AlignCenter);
    m_textPan->setWordWrap(true);
    // A click on the text closes the bubble like a click on the face.
    m_textPan->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = m_textPan->font();
    font.setPointSize(8);
    m_textPan->setFont(font);
    QPalette palette = m_textPan->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    m_textPan->setPalette(palette);
    // A text longer than the face holds makes the face taller: it is never cut.
    const int extra =
        std::max(0, m_textPan->heightForWidth(m_textPan->width()) - m_textPan->height());
    m_textPan->resize(m_textPan->width(), m_textPan->height() + extra);
    setFixedSize(width(), height() + extra);
    // Shaped by a mask rather than transparency: no compositor is needed.
    setMask(QRegion(facePath(QRectF(rect())).toFillPolygon().toPolygon()));

    // Loading: fully left of the screen, at the target's height.
    m_left = -widthTwips;
    moveToLeft();

    m_slideTimer = new QTimer(this);
    m_slideTimer->setObjectName(QStringLiteral("SlideTim"));
    m_slideTimer->setInterval(slideIntervalMs);
    connect(m_slideTimer, &QTimer::timeout, this, [this] {
        if (!slideStep())
            m_slideTimer->stop();
    });
}

bool FliegBubble::sliding() const
{
    return m_left < m_target.x();
}

void FliegBubble::moveToLeft()
{
    move(twips::toPixels(m_left), twips::toPixels(m_target.y()));
}

bool FliegBubble::slideStep()
{
    if (!sliding())
        return false;
    m_left = std::min(m_left + slideStepTwips, m_target.x());
    moveToLeft();
    return sliding();
}

void FliegBubble::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_platform.setTopmost(*this, true);
    activateWindow();
    if (sliding())
        m_slideTimer->start();
}

bool FliegBubble::event(QEvent* event)
{
    // The user clicked elsewhere. A window manager that refuses a window the focus it
    // takes (sway's for XWayland) deactivates it at once, while it still slides in: that
    // leaves it open.
    if (event->type() == QEvent::WindowDeactivate && isVisible() && !sliding())
        close();
    return QWidget::event(event);
}

void FliegBubble::mousePressEvent(QMouseEvent*)
{
    hide();
    close();
}

void FliegBubble::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Outside the face only the border's antialiasing shows: the mask cuts it away, or
    // the background is transparent.
    if (!testAttribute(Qt::WA_TranslucentBackground))
        painter.fillRect(rect(), QColor(96, 96, 96));
    painter.setPen(QPen(QColor(96, 96, 96), 2));
    painter.setBrush(QColor(255, 255, 225));
    painter.drawPath(facePath(QRectF(rect()).adjusted(1, 1, -1, -1)));
}

} // namespace qb
