// The menu's commands and the popup menu that offers them.

#include "Terminal.h"

#include "TickerWindow.h"
#include "core/Settings.h"
#include "core/ShellRoutines.h"
#include "platform/Platform.h"

#include <QAction>
#include <QMenu>
#include <QMetaMethod>
#include <QTimer>

namespace qb {

bool Terminal::provided(void (Terminal::*command)()) const
{
    return isSignalConnected(QMetaMethod::fromSignal(command));
}

void Terminal::newNoteCommand()
{
    if (!m_settings.eigeneErlauben || !provided(&Terminal::newNoteRequested))
        return;
    // The hourglass over the whole band, the ticker's own window included.
    setCursor(Qt::WaitCursor);
    m_ticker->setCursor(Qt::WaitCursor);
    m_timer1->stop();
    emit newNoteRequested();
    m_timer1->start();
    m_feed.requestRebuild();
    m_ticker->unsetCursor();
    unsetCursor();
}

void Terminal::administrationCommand()
{
    if (!m_settings.eigeneErlauben || !provided(&Terminal::administrationRequested))
        return;
    m_timer1->stop();
    emit administrationRequested();
    m_feed.requestRebuild();
    m_timer1->start();
}

void Terminal::settingsCommand()
{
    if (!provided(&Terminal::settingsRequested))
        return;
    m_timer1->stop();
    FormAktiv(false);
    m_platform.setTopmost(*this, false);
    emit settingsRequested();
}

void Terminal::helpCommand()
{
    HilfeZeigen(m_platform, m_settings.Sprache);
}

void Terminal::popUpMenu(const QPoint& globalPosition)
{
    if (!m_formAktiv)
        return;
    // A command whose window the application does not provide cannot be chosen.
    m_neuMen->setEnabled(m_settings.eigeneErlauben && provided(&Terminal::newNoteRequested));
    m_verwaltungMen->setEnabled(m_settings.eigeneErlauben &&
                                provided(&Terminal::administrationRequested));
    m_einstellungenMen->setEnabled(provided(&Terminal::settingsRequested));
    m_aboutMen->setEnabled(provided(&Terminal::aboutRequested));
    m_kontextMen->popup(globalPosition);
}

} // namespace qb
