#pragma once

#include "core/StartUp.h"
#include "editor/ui/NoteWindowContext.h"
#include "ticker/TickerFeed.h"

#include <memory>

namespace qb {

struct AppContext;
class BubbleHost;
class Intro;
class QuestionHost;
class Clock;
class NetzConnect;
class Platform;
class SettingsCommand;
class Terminal;
class TerminalBand;
class TerminalNoticeBoard;
class TickerContent;
class UpdateCycle;

// The windows of a running program, created as the start-up asks for them:
// the connection band of a receiver and the ticker band with its content.
class TickerApplication final : public StartUpWindows, private NoticeBoard
{
public:
    TickerApplication(AppContext& context, Platform& platform, Clock& clock);
    ~TickerApplication() override;

    void showIntro() override;
    void closeIntro() override;
    void showConnecting() override;
    void closeConnecting() override;
    void showTicker() override;
    void processEvents() override;
    void pause(double seconds) override;
    // Brings the band (and a window open over it) to the top, as a second start asks.
    void raiseBand();
    // Runs a command handed over by another start ("raise", "new-note", "notes",
    // "settings", "about", "quit") as the band's menu runs it. Before the band is shown
    // the command waits for it; while a window of the band waits for an answer, or the
    // settings are open, the band and that window come to the top instead.
    void runCommand(const QString& command);

private:
    // Docks the band at its edge; true when a layer-shell strip does it.
    bool dockBand();
    // The content logic raises notices before the band exists to place them.
    void showNetworkNotice(const QString& text) override;
    bool noticeVisible() const override;
    void closeNotice() override;
    void end();
    // The Settings command: password prompt and settings window.
    void connectSettings();
    void showAbout();
    NoteWindowContext noteWindowContext() const;
    void runWaitingCommand();

    AppContext& m_context;
    Platform& m_platform;
    Clock& m_clock;
    std::unique_ptr<BubbleHost> m_bubbles;
    std::unique_ptr<Intro> m_intro;
    std::unique_ptr<NetzConnect> m_connecting;
    std::unique_ptr<TickerContent> m_content;
    std::unique_ptr<Terminal> m_terminal;
    std::unique_ptr<TerminalNoticeBoard> m_notices;
    std::unique_ptr<QuestionHost> m_questions;
    std::unique_ptr<TerminalBand> m_band;
    std::unique_ptr<SettingsCommand> m_settingsCommand;
    std::unique_ptr<UpdateCycle> m_updates;
    QString m_waitingCommand;
};

} // namespace qb
