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
    // Any other notice, in the same place. It replaces a network notice and is not closed
    // by closeNotice: it stays for its time.
    void showNotice(const QString& text) override;
    // Only the network notice counts.
    bool noticeVisible() const override;
    void closeNotice() override;

private:
    void place(const QString& text);

    const Settings& m_settings;
    const Terminal& m_terminal;
    BubbleHost& m_bubbles;
    bool m_networkNotice = false; // the bubble last shown holds the network notice
};

} // namespace qb
