#pragma once

#include "ticker/TickerFeed.h"

namespace qb {

class BubbleHost;
class Terminal;
struct Settings;

// Shows the network-error notice in the floating bubble, placed by the band: centred on
// it, below its middle when it is docked at the top, above it when docked at the bottom.
class TerminalNoticeBoard final : public NoticeBoard
{
public:
    TerminalNoticeBoard(const Settings& settings, const Terminal& terminal, BubbleHost& bubbles);

    void showNetworkNotice(const QString& text) override;
    void showNotice(const QString& text) override;
    bool noticeVisible() const override;
    void closeNotice() override;

private:
    const Settings& m_settings;
    const Terminal& m_terminal;
    BubbleHost& m_bubbles;
};

} // namespace qb
