#pragma once

#include "settings/TickerBand.h"

namespace qb {

class Platform;
class Terminal;
class TickerFeed;

// The ticker window as the settings window and the password prompt see it.
class TerminalBand final : public TickerBand
{
public:
    TerminalBand(Terminal& terminal, TickerFeed& feed, Platform& platform);

    QRect geometryTwips() const override;
    void setTopmost(bool onTop) override;
    void startTimer() override;
    void FormAktiv(bool on) override;
    void MachLayout() override;
    void SpracheEinstellen() override;
    void setSchritt(int schritt) override;
    void requestRebuild() override;

private:
    Terminal& m_terminal;
    TickerFeed& m_feed;
    Platform& m_platform;
};

} // namespace qb
