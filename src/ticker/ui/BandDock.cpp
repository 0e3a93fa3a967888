#include "BandDock.h"

#include "Terminal.h"
#include "core/Settings.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "ticker/view/BandStrut.h"

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
    } else if (watched == &m_terminal && event->type() == QEvent::Move && !m_strut.isEmpty() &&
               m_terminal.pos() != laidOutPlace()) {
        // The window manager moved the band out of the strip reserved for it, as some do
        // with any window but a dock: the band keeps its edge and gives the strip back.
        m_refused = true;
        reserve(false);
        // After the window system's move has run its course.
        QMetaObject::invokeMethod(&m_terminal, &Terminal::MachLayout, Qt::QueuedConnection);
    } else if (watched == m_window && event->type() == QEvent::Expose && !m_mapped &&
               m_window->isExposed()) {
        m_mapped = true;
        reserve(true);
    }
    return QObject::eventFilter(watched, event);
}

QPoint BandDock::laidOutPlace() const
{
    const BandLayout& layout = m_terminal.layout();
    return twips::toPixels(
               QRect(layout.windowLeft, layout.windowTop, layout.windowWidth, layout.windowHeight))
        .topLeft();
}

void BandDock::reserve(bool always)
{
    const bool shown = m_terminal.isVisible() && m_mapped && !m_refused;
    const Strut strut = bandStrut(m_platform.monitorGeometries(), m_terminal.geometry(),
                                  m_settings.dockPos != 0, shown);
    // The layout runs again on every change of an adopted setting: an unchanged strip
    // costs the window manager no new work area.
    if (!always && strut == m_strut)
        return;
    m_strut = strut;
    m_platform.setStrut(m_terminal, strut);
}

} // namespace qb
