// The note's entries between the editor's controls and the NoteForm.

#include "editor/ui/Notizen.h"

#include "editor/ui/InputField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <algorithm>

namespace qb {

NoteForm Notizen::form() const
{
    NoteForm form;
    form.notiz = m_notiz->toPlainText();
    form.timeControl = m_zeitArtOpt[1]->isChecked();
    for (int i = 0; i < 4; ++i) {
        if (m_rhythmusOpt[i]->isChecked())
            form.rhythm = i + 1;
    }
    form.fromTo = m_uhrArtOpt[1]->isChecked();
    form.fromTime = m_uhrzeit[0]->text();
    form.toTime = m_uhrzeit[1]->text();
    for (int i = 0; i < 7; ++i)
        form.weekdays[i] = m_woTagChe[i]->isChecked();
    form.erstDatumWoc = m_erstDatumWoc->text();
    form.dauerWoc = m_dauerWoc->text();
    form.monthlyKind = m_monArtOpt[1]->isChecked() ? NoteDraft::MonthlyKind::NthWeekday
                                                   : NoteDraft::MonthlyKind::DayOfMonth;
    form.tagZahlMon = m_tagZahlMon->text();
    form.position = std::max(0, m_moPosGroup->checkedId());
    form.weekday = m_woTagCom->currentIndex();
    form.vorherMon = m_vorherMon->text();
    form.erstDatumMon = m_erstDatumMon->text();
    for (int i = 0; i < 4; ++i)
        form.yearlyRows[i] = {m_tagZahlJahr[i]->text(), m_monatJah[i]->currentIndex()};
    form.vorherJah = m_vorherJah->text();
    form.erstDatumJah = m_erstDatumJah->text();
    return form;
}

// Texts first: their change reactions choose options that the form then settles.
void Notizen::showForm(const NoteForm& form)
{
    m_notiz->setPlainText(form.notiz);
    m_uhrzeit[0]->setText(form.fromTime);
    m_uhrzeit[1]->setText(form.toTime);
    for (int i = 0; i < 7; ++i)
        m_woTagChe[i]->setChecked(form.weekdays[i]);
    m_erstDatumWoc->setText(form.erstDatumWoc);
    m_dauerWoc->setText(form.dauerWoc);
    m_tagZahlMon->setText(form.tagZahlMon);
    m_woTagCom->setCurrentIndex(form.weekday);
    m_vorherMon->setText(form.vorherMon);
    m_erstDatumMon->setText(form.erstDatumMon);
    for (int i = 0; i < 4; ++i) {
        m_tagZahlJahr[i]->setText(form.yearlyRows[i].day);
        m_monatJah[i]->setCurrentIndex(form.yearlyRows[i].month);
    }
    m_vorherJah->setText(form.vorherJah);
    m_erstDatumJah->setText(form.erstDatumJah);

    m_uhrArtOpt[form.fromTo ? 1 : 0]->setChecked(true);
    const bool nthWeekday = form.monthlyKind == NoteDraft::MonthlyKind::NthWeekday;
    m_monArtOpt[nthWeekday ? 1 : 0]->setChecked(true);
    if (nthWeekday && form.position >= 1 && form.position <= 5)
        m_moPosOpt[form.position - 1]->setChecked(true);
    else
        clearPositions();
    m_rhythmusOpt[std::clamp(form.rhythm, 1, 4) - 1]->setChecked(true);
    m_zeitArtOpt[form.timeControl ? 1 : 0]->setChecked(true);
    if (!form.timeControl)
        choosePermanent();
    updatePanels();
}

} // namespace qb
