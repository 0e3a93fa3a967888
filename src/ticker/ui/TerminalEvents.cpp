// Mouse, keys, activation and resizing of the band.

#include "Terminal.h"

#include "TickerWindow.h"
#include "core/Settings.h"
#include "platform/Platform.h"
#include "platform/Twips.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace qb {

void Terminal::applyTopmost()
{
    m_platform.setTopmost(*this, m_settings.ImmerOben);
}

bool Terminal::event(QEvent* event)
{
    // The layer holds from before the first show, not only from the first activation
    // (a window manager need not activate new windows). While the settings are open
    // (controls disabled) the band stays out of the top layer.
    if ((event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) && m_formAktiv)
        applyTopmost();
    return QWidget::event(event);
}

bool Terminal::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            popUpMenu(mouse->globalPosition().toPoint());
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonDblClick && watched == m_ticker) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && m_formAktiv)
            administrationCommand();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Terminal::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        popUpMenu(event->globalPosition().toPoint());
}

void Terminal::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!m_formAktiv)
        return;
    if (event->key() == Qt::Key_F1 && modifiers == Qt::NoModifier)
        helpCommand();
    else if (event->key() == Qt::Key_N && modifiers == Qt::ControlModifier)
        newNoteCommand();
    else if ((event->key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
             (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        // Where a right click in the middle of the band opens it; opened from the keyboard
        // its first usable entry is chosen, so the arrow keys start from a known place.
        popUpMenu(mapToGlobal(rect().center()));
        for (QAction* action : m_kontextMen->actions()) {
            if (m_kontextMen->isVisible() && action->isEnabled() && !action->isSeparator()) {
                m_kontextMen->setActiveAction(action);
                break;
            }
        }
    }
}

void Terminal::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A size that the layout did not set (the window system changed it): lay out again.
    if (!m_inLayout && width() != twips::toPixels(m_layout.windowWidth))
        MachLayout();
}

} // namespace qb
