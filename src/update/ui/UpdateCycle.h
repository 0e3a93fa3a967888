#pragma once

#include <QObject>

#include <functional>
#include <memory>

namespace qb {

class Clock;
class QuestionHost;
class Platform;
class Terminal;
class TerminalNoticeBoard;
class TickerContent;
class UpdateCheck;
class UpdateSignal;
struct AppContext;

// The daily version check of the running program: started by the band's UpdateTim and by
// every rebuild but the first; a newer version shows UpdateSignal beside the band, whose
// click asks for the installation and hands over to the updater. A check that finds nothing
// newer hides the notice. The outcome of an update that ended the previous run is shown as
// a bubble once the band stands.
class UpdateCycle : public QObject
{
public:
    // The band the cycle works beside: its window asks for the daily check and places the
    // notice, its content checks with every rebuild but the first, and the questions and
    // bubbles appear over it.
    struct Band
    {
        Terminal& window;
        TickerContent& content;
        QuestionHost& questions;
        TerminalNoticeBoard& notices;
    };

    // end: ends the program once the updater has started.
    UpdateCycle(AppContext& context, Platform& platform, Clock& clock, Band band,
                std::function<void()> end);
    ~UpdateCycle() override;

private:
    void check();
    void offer(int version);
    void follow();
    void install();

    AppContext& m_context;
    Platform& m_platform;
    Clock& m_clock;
    Band m_band;
    std::function<void()> m_end;
    std::unique_ptr<UpdateCheck> m_check;
    std::unique_ptr<UpdateSignal> m_signal;
};

} // namespace qb
