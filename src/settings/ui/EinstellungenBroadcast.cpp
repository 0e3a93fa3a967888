// Receiver and sysop modes and the broadcaster's path.

#include "Einstellungen.h"

#include "core/AppContext.h"
#include "dialogs/ui/QuestionHost.h"
#include "platform/Platform.h"
#include "settings/BroadcastPath.h"
#include "settings/SettingsTexts.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace qb {

void Einstellungen::receiverReaction(bool on)
{
    m_skip = on ? !m_sysopStatusChe->isChecked() : true;
    for (QWidget* control :
         {static_cast<QWidget*>(m_legendePan[0]), static_cast<QWidget*>(m_legendePan[1]),
          static_cast<QWidget*>(m_broadcastPfadPan)})
        control->setEnabled(on);
    for (QWidget* control :
         {static_cast<QWidget*>(m_legendePan[2]), static_cast<QWidget*>(m_broadcastMasterChe),
          static_cast<QWidget*>(m_eigeneChe), static_cast<QWidget*>(m_sysopStatusChe),
          static_cast<QWidget*>(m_legendePan[3]), static_cast<QWidget*>(m_passwortTex),
          static_cast<QWidget*>(m_augePan)})
        control->setEnabled(!on);
    if (on) {
        m_passwortTex->setEchoMode(QLineEdit::Password);
        // The sysop reaction passes over its check: the skip flag.
        m_sysopStatusChe->setChecked(true);
    } else {
        m_eigeneChe->setChecked(true);
        m_working.eigeneErlauben = true;
    }
    m_working.broadcastStatus = on;
}

// Receiver mode needs sysop mode: unticking it then is answered and undone.
void Einstellungen::sysopReaction()
{
    if (!m_skip && m_broadcastStatusChe->isChecked()) {
        m_platform.beep();
        showMessage(SettingsTexts::message(SettingsMessage::SysopRequired, m_working.Sprache));
        receiverReaction(true);
    } else if (m_skip) {
        m_skip = false;
    }
    m_working.sysopStatus = m_sysopStatusChe->isChecked();
}

// 1.-3. the file dialog, the working folder put back whatever happens; 5. a path on this
// computer only after the question; 6. the working path.
void Einstellungen::choosePath()
{
    closeHelp();
    const QString folder = QDir::currentPath();
    const std::optional<QString> chosen = m_platform.chooseFile(
        SettingsTexts::message(SettingsMessage::PathDialogTitle, m_working.Sprache),
        QStringLiteral("qb.kvl"), QStringLiteral("qb.kvl (qb.kvl)"));
    QDir::setCurrent(folder);
    if (!chosen)
        return;
    const QString path = *chosen;
    if (!liesOnOtherComputer(path)) {
        m_platform.setTopmost(*this, false);
        const int answer = m_questions.MeldungZeigen(
            2, SettingsTexts::message(SettingsMessage::PathQuestion, m_context.settings.Sprache));
        m_platform.setTopmost(*this, true);
        if (answer == 2)
            return;
    }
    m_working.broadcastPfad = path;
    showPath();
}

} // namespace qb
