// Saving and closing: the check, the store, the band running again.

#include "Einstellungen.h"

#include "core/AppContext.h"
#include "dialogs/ui/BubbleHost.h"
#include "platform/Platform.h"
#include "settings/SettingsRules.h"
#include "settings/SettingsSave.h"
#include "settings/SettingsTexts.h"
#include "settings/TickerBand.h"

#include <QCloseEvent>
#include <QLineEdit>

namespace qb {

// The check, then the store; on either failure the window keeps the working copy.
bool Einstellungen::speichern()
{
    if (const auto failure = SettingsRules::checkBeforeSaving(m_working, m_passwortTex->isEnabled(),
                                                              m_working.Sprache)) {
        m_platform.beep();
        // On this window: after the closing question no window may be active.
        m_bubbles.BubbleZeigen(*this, failure->bubble.x(), failure->bubble.y(), failure->text);
        return false;
    }
    const SaveOutcome outcome = EinstellungenUebernehmen(m_context, m_working, m_band);
    if (!outcome.stored) {
        m_platform.beep();
        showMessage(
            storageFailureText(StorageAction::SaveSettings, outcome.failure, m_working.Sprache));
        return false;
    }
    m_changed = false;
    return true;
}

// Closing steps 2 to 5: the band runs again, whatever the answer.
void Einstellungen::restoreBand()
{
    m_band.setTopmost(m_context.settings.ImmerOben);
    m_band.startTimer();
    m_band.FormAktiv(true);
    m_band.MachLayout();
}

void Einstellungen::closeEvent(QCloseEvent* event)
{
    bool stay = false;
    bool saved = false;
    if (m_changed) {
        switch (m_platform.showMessage(
            SettingsTexts::message(SettingsMessage::SaveQuestion, m_context.settings.Sprache),
            MessageIcon::Warning, MessageButtons::YesNoCancel)) {
        case MessageAnswer::Yes:
            saved = speichern();
            stay = !saved;
            break;
        case MessageAnswer::Cancel:
            stay = true;
            break;
        default:
            break;
        }
    }
    restoreBand();
    if (saved)
        m_band.SpracheEinstellen();
    if (stay) {
        event->ignore();
        return;
    }
    closeHelp();
    event->accept();
    emit closed();
}

} // namespace qb
