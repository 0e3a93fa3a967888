#include "SettingsCommand.h"

#include "Einstellungen.h"
#include "core/AppContext.h"
#include "settings/TickerBand.h"

namespace qb {

SettingsCommand::SettingsCommand(AppContext& context, Platform& platform, TickerBand& band,
                                 BubbleHost& bubbles, QuestionHost& questions,
                                 PassTest::Pause pause)
    : m_context(context), m_platform(platform), m_band(band), m_bubbles(bubbles),
      m_questions(questions), m_pause(std::move(pause))
{
}

SettingsCommand::~SettingsCommand()
{
    delete m_window;
}

Einstellungen* SettingsCommand::window() const
{
    return m_window;
}

bool SettingsCommand::accessGranted()
{
    if (!m_context.settings.sysopStatus)
        return true;
    PassTest prompt(m_context.settings, m_platform, m_band.geometryTwips(), m_pause);
    prompt.exec();
    return prompt.accessGranted();
}

void SettingsCommand::run()
{
    // A window left open after Cancel to its closing question comes to the front.
    if (m_window) {
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    if (!accessGranted()) {
        m_band.startTimer();
        m_band.FormAktiv(true);
        m_band.setTopmost(m_context.settings.ImmerOben);
        return;
    }
    m_window = new Einstellungen(m_context, m_platform, m_band, m_bubbles, m_questions);
    m_window->show();
    m_band.SpracheEinstellen();
}

} // namespace qb
