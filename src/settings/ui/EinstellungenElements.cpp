// The element page: the element chosen in the preview, its colours and font, the defaults.

#include "Einstellungen.h"

#include "PreviewPanel.h"
#include "core/AppContext.h"
#include "platform/Platform.h"
#include "settings/SettingsRules.h"
#include "settings/SettingsTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>

namespace qb {

// The frame cannot be selected without a margin.
void Einstellungen::selectElement(int n)
{
    if (n == 1 && !m_working.zeigRahmen)
        return;
    closeHelp();
    m_element = n;
    showElementButtons();
}

void Einstellungen::showElementButtons()
{
    const auto fields = SettingsRules::elementColours(m_element);
    for (int k = 0; k < 3; ++k) {
        m_farbWahlBef[k]->setVisible(fields[k].has_value());
        if (fields[k]) {
            const QString caption =
                SettingsTexts::elementButtonCaption(m_element, k + 1, m_working.Sprache);
            m_farbWahlBef[k]->setText(caption);
            m_farbWahlBef[k]->setAccessibleName(caption);
        }
    }
    m_schriftWahlBef->setVisible(SettingsRules::elementHasFont(m_element));
}

// The dialog's title follows the language in memory, the caption the window's.
void Einstellungen::chooseColour(int button)
{
    m_changed = true;
    const std::optional<SettingsRules::ColourField> field =
        SettingsRules::elementColours(m_element)[button];
    if (!field)
        return;
    qint32& value = SettingsRules::colourOf(m_working, *field);
    const QString title =
        SettingsTexts::colourDialogTitle(m_farbWahlBef[button]->text(), m_context.settings.Sprache);
    const std::optional<qint32> chosen = m_platform.chooseColour(title, value);
    if (!chosen)
        return;
    value = *chosen;
    m_preview->colour(m_working, true);
}

void Einstellungen::chooseFont()
{
    m_changed = true;
    const FontChoice initial{m_working.SchriftName, double(m_working.SchriftGroesse),
                             m_working.SchriftFett, m_working.SchriftKursiv, 0};
    const std::optional<FontChoice> chosen = m_platform.chooseFont(initial);
    if (!chosen)
        return;
    m_working.SchriftName = chosen->name;
    m_working.SchriftFett = chosen->bold;
    m_working.SchriftKursiv = chosen->italic;
    m_working.SchriftGroesse = SettingsRules::fontSize(chosen->pointSize);
    m_preview->applyFont(m_working);
    m_preview->layOut(m_working);
}

void Einstellungen::reset()
{
    const MessageAnswer answer = m_platform.showMessage(
        SettingsTexts::message(SettingsMessage::ResetQuestion, m_context.settings.Sprache),
        MessageIcon::Question, MessageButtons::YesNo);
    if (answer == MessageAnswer::No)
        return;
    SettingsRules::resetDisplay(m_working);
    m_preview->colour(m_working, false);
    m_preview->applyFont(m_working);
    m_zeigDatumChe->setChecked(true);
    m_zeigRandChe->setChecked(true);
    m_speedOpt->button(30)->setChecked(true);
    m_preview->layOut(m_working);
}

} // namespace qb
