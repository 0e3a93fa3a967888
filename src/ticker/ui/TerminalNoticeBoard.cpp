#include "TerminalNoticeBoard.h"

#include "Terminal.h"
#include "core/Settings.h"
#include "dialogs/ui/BubbleHost.h"
#include "dialogs/ui/FliegBubble.h"
#include "ticker/view/NoticeOffset.h"

namespace qb {

TerminalNoticeBoard::TerminalNoticeBoard(const Settings& settings, const Terminal& terminal,
                                         BubbleHost& bubbles)
    : m_settings(settings), m_terminal(terminal), m_bubbles(bubbles)
{
}

void TerminalNoticeBoard::showNetworkNotice(const QString& text)
{
    place(text);
    m_networkNotice = true;
}

void TerminalNoticeBoard::showNotice(const QString& text)
{
    place(text);
    m_networkNotice = false;
}

void TerminalNoticeBoard::place(const QString& text)
{
    // The band is borderless: its inner height is its height.
    const BandLayout& layout = m_terminal.layout();
    const QPointF offset = noticeOffset(layout.windowWidth, layout.windowHeight, layout.windowTop,
                                        m_settings.dockPos, FliegBubble::heightTwips);
    m_bubbles.BubbleZeigen(offset.x(), offset.y(), text);
}

bool TerminalNoticeBoard::noticeVisible() const
{
    return m_networkNotice && m_bubbles.bubbleVisible();
}

void TerminalNoticeBoard::closeNotice()
{
    if (m_networkNotice)
        m_bubbles.closeBubble();
}

} // namespace qb
