#include "TerminalBand.h"

#include "platform/Platform.h"
#include "platform/Twips.h"
#include "ticker/TickerFeed.h"
#include "ticker/ui/Terminal.h"

#include <QTimer>

namespace qb {

TerminalBand::TerminalBand(Terminal& terminal, TickerFeed& feed, Platform& platform)
    : m_terminal(terminal), m_feed(feed), m_platform(platform)
{
}

QRect TerminalBand::geometryTwips() const
{
    return twips::fromPixels(
        m_terminal.geometry().translated(-m_platform.screenGeometry().topLeft()));
}

void TerminalBand::setTopmost(bool onTop)
{
    m_platform.setTopmost(m_terminal, onTop);
}

void TerminalBand::startTimer()
{
    m_terminal.Timer1().start();
}

void TerminalBand::FormAktiv(bool on)
{
    m_terminal.FormAktiv(on);
}

void TerminalBand::MachLayout()
{
    m_terminal.MachLayout();
}

void TerminalBand::SpracheEinstellen()
{
    m_terminal.SpracheEinstellen();
}

void TerminalBand::setSchritt(int schritt)
{
    m_terminal.setSchritt(schritt);
}

void TerminalBand::requestRebuild()
{
    m_feed.requestRebuild();
}

} // namespace qb
