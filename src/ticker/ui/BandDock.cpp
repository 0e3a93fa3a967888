#include "BandDock.h"

#include "Terminal.h"
#include "core/Settings.h"
#include "platform/Platform.h"
#include "ticker/BandStrut.h"

#include <QEvent>
#include <QWindow>

namespace qb {

BandDock::BandDock(Terminal& terminal, const Settings& settings, Platform& platform)
    : QObject(&terminal), m_terminal(terminal), m_settings(settings), m_platform(platform)
{
    connect(&terminal, &Terminal::laidOut, this, [this] { reserve(false); });
    terminal.installEventFilter(this);
}

bool BandDock::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_terminal && event->type() == QEvent::Show) {
        // A window manager that finds the strip reserved when it maps the band keeps the
        // band out of its own strip: reserved once the band is on the screen.
        m_mapped = false;
        QWindow* window = m_terminal.windowHandle();
        if (window && window != m_window) {
            m_window = window;
            window->installEventFilter(this);
        }
    } else if (watched == &m_terminal && event->type() == QEvent::Hide) {
        reserve(false);
    } else if (watched == m_window && event->type() == QEvent::Expose && !m_mapped &&
               m_window->isExposed()) {
        m_mapped = true;
        reserve(true);
    }
    return QObject::eventFilter(watched, event);
}

void BandDock::reserve(bool always)
{
    const bool shown = m_terminal.isVisible() && m_mapped;
    const Strut strut = bandStrut(m_platform.monitorGeometries(), m_terminal.geometry(),
                                  m_settings.dockPos != 0, shown);
    // The layout runs again on every change of an adopted setting: an unchanged strip
    // costs the window manager no new work area.
    if (!always && strut == m_strut)
        return;
    m_strut = strut;
    qWarning("strut %d %d geom %d %d", strut.values[2], strut.values[3], m_terminal.y(),
             m_terminal.height());
    m_platform.setStrut(m_terminal, strut);
}

} // namespace qb
