// The help popups, the Escape key, activation and mouse clicks.

#include "Einstellungen.h"

#include "HelpPopup.h"
#include "platform/Platform.h"
#include "settings/TickerBand.h"

#include <QEvent>
#include <QPushButton>

#include <utility>

namespace qb {

void Einstellungen::openHelp(int n)
{
    closeHelp();
    m_kommentarPan[n - 1]->open();
}

void Einstellungen::closeHelp()
{
    for (HelpPopup* popup : m_kommentarPan)
        popup->hide();
}

void Einstellungen::escape()
{
    for (HelpPopup* popup : m_kommentarPan) {
        if (popup->isVisible()) {
            popup->hide();
            return;
        }
    }
    close();
}

bool Einstellungen::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        // The title bar is known now: at the bottom it must not push the window off screen.
        if (!std::exchange(m_framed, true))
            place();
        m_band.setTopmost(false);
        m_platform.setTopmost(*this, true);
        m_speichernBef->setFocus(Qt::ActiveWindowFocusReason);
    }
    return QWidget::event(event);
}

bool Einstellungen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        closeHelp();
    return QWidget::eventFilter(watched, event);
}

void Einstellungen::mousePressEvent(QMouseEvent* event)
{
    closeHelp();
    QWidget::mousePressEvent(event);
}

} // namespace qb
