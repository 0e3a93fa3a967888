#include "BubbleHost.h"

#include "FliegBubble.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <cmath>

namespace qb {

BubbleHost::BubbleHost(Platform& platform, QWidget* fallbackAnchor)
    : m_platform(platform), m_fallbackAnchor(fallbackAnchor)
{
}

BubbleHost::~BubbleHost()
{
    delete m_bubble;
}

bool BubbleHost::bubbleVisible() const
{
    return m_bubble && m_bubble->isVisible();
}

void BubbleHost::closeBubble()
{
    if (m_bubble) {
        m_bubble->hide();
        m_bubble->close();
    }
    m_bubble = nullptr;
}

void BubbleHost::BubbleZeigen(double offsetX, double offsetY, const QString& text)
{
    closeBubble();
    QCoreApplication::processEvents();

    QWidget* anchor = QApplication::activeWindow();
    if (!anchor || qobject_cast<FliegBubble*>(anchor))
        anchor = m_fallbackAnchor;
    show(anchor, offsetX, offsetY, text);
}

void BubbleHost::BubbleZeigen(QWidget& anchor, double offsetX, double offsetY, const QString& text)
{
    closeBubble();
    QCoreApplication::processEvents();
    show(&anchor, offsetX, offsetY, text);
}

void BubbleHost::show(QWidget* anchor, double offsetX, double offsetY, const QString& text)
{
    const QPoint origin = anchor ? anchor->frameGeometry().topLeft() : QPoint();
    const QPoint target(twips::fromPixels(origin.x()) + static_cast<int>(std::nearbyint(offsetX)),
                        twips::fromPixels(origin.y()) + static_cast<int>(std::nearbyint(offsetY)));

    m_bubble = new FliegBubble(m_platform, text, target);
    m_bubble->setWindowFlag(Qt::X11BypassWindowManagerHint, m_besideLayerStrip);
    m_bubble->setAttribute(Qt::WA_TranslucentBackground, m_besideLayerStrip);
    // Transient for its anchor, the window manager keeps the bubble above it: a band that
    // raises itself when it is activated would otherwise cover the bubble's first line.
    if (anchor && anchor->windowHandle()) {
        m_bubble->winId();
        m_bubble->windowHandle()->setTransientParent(anchor->windowHandle());
    }
    m_bubble->show();
}

} // namespace qb
