#include "UpdateCycle.h"

#include "core/AppContext.h"
#include "core/ProgramFolders.h"
#include "dialogs/ui/QuestionHost.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "ticker/TickerContent.h"
#include "ticker/ui/Terminal.h"
#include "ticker/ui/TerminalNoticeBoard.h"
#include "update/UpdateCheck.h"
#include "update/UpdateInstallation.h"
#include "update/UpdateSource.h"
#include "update/ui/UpdateSignal.h"

#include <QTimer>

namespace qb {

UpdateCycle::UpdateCycle(AppContext& context, Platform& platform, Clock& clock, Band band,
                         std::function<void()> end)
    : m_context(context), m_platform(platform), m_clock(clock), m_band(band), m_end(std::move(end)),
      m_check(std::make_unique<UpdateCheck>(UpdateAdresse(), ProgramValues::ProgrammVersion))
{
    connect(&band.window, &Terminal::updateCheckDue, this, &UpdateCycle::check);
    connect(&band.window, &Terminal::laidOut, this, &UpdateCycle::follow);
    connect(m_check.get(), &UpdateCheck::checked, this, &UpdateCycle::offer);
    band.content.setOnlineCheck([this](const QDate& today) { m_check->VersionPruefen(today); });
    // The outcome of an update that ended the previous run, once the band stands.
    if (const QString result = takeUpdateResult(); !result.isEmpty())
        QTimer::singleShot(0, this, [this, result] { m_band.notices.showNotice(result); });
}

UpdateCycle::~UpdateCycle() = default;

void UpdateCycle::check()
{
    m_check->VersionPruefen(m_clock.now().date());
}

void UpdateCycle::offer(int version)
{
    if (version == 0) {
        if (m_signal)
            m_signal->hide();
        return;
    }
    if (!m_signal) {
        m_signal = std::make_unique<UpdateSignal>(m_context.settings, m_platform);
        connect(m_signal.get(), &UpdateSignal::installRequested, this, &UpdateCycle::install);
    }
    m_signal->placeBy(m_band.window.geometry());
    m_signal->show();
}

// The band was laid out again: a shown notice moves with it, a hidden one is dropped.
void UpdateCycle::follow()
{
    if (!m_signal)
        return;
    if (m_signal->isVisible())
        m_signal->placeBy(m_band.window.geometry());
    else
        m_signal.reset();
}

void UpdateCycle::install()
{
    const UpdateHandOver handOver{
        [this](int buttonSet, const QString& text) {
            return m_band.questions.MeldungZeigen(buttonSet, text);
        },
        [] { return UpdaterStarten(updaterProgram()); },
        [this](const QString& text) { m_band.notices.showNotice(text); },
        [this](const QString& address) { return m_platform.openAddress(address); },
        m_end,
        programFolders().installed,
    };
    UpdateInstallieren(m_check->angebotVersion(), m_context.settings.Sprache, handOver);
}

} // namespace qb
