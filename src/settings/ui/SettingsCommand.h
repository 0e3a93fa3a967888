#pragma once

#include "settings/ui/PassTest.h"

#include <QPointer>

namespace qb {

struct AppContext;
class BubbleHost;
class Einstellungen;
class QuestionHost;
class Platform;
class TickerBand;

// The menu's Settings command, once the band has stopped its timer, disabled its controls
// and left the top layer: the password prompt while sysop mode is on, then the settings
// window, shown without waiting for it. A refused prompt lets the band run on.
class SettingsCommand
{
public:
    SettingsCommand(AppContext& context, Platform& platform, TickerBand& band, BubbleHost& bubbles,
                    QuestionHost& questions, PassTest::Pause pause);
    // An open settings window goes with the command: it refers to the band.
    ~SettingsCommand();
    SettingsCommand(const SettingsCommand&) = delete;
    SettingsCommand& operator=(const SettingsCommand&) = delete;

    void run();
    // The open settings window, if any.
    Einstellungen* window() const;

private:
    bool accessGranted();

    AppContext& m_context;
    Platform& m_platform;
    TickerBand& m_band;
    BubbleHost& m_bubbles;
    QuestionHost& m_questions;
    PassTest::Pause m_pause;
    QPointer<Einstellungen> m_window;
};

} // namespace qb
