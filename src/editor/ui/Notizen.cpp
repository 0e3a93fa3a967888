#include "editor/ui/Notizen.h"

#include "core/RecordSet.h"
#include "core/Settings.h"
#include "core/ShellRoutines.h"
#include "dialogs/ui/MeldungPan.h"
#include "editor/EditorCaptions.h"
#include "editor/NoteStore.h"
#include "editor/ui/InputField.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "schedule/DateText.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

namespace qb {

Notizen::Notizen(const NoteWindowContext& context, bool bearbeiten, QWidget* parent)
    : QDialog(parent), m_context(context), m_sprache(context.settings.Sprache)
{
    setObjectName(QStringLiteral("Notizen"));
    setWindowTitle(caption(QStringLiteral("windowTitle")));
    setWindowFlag(Qt::WindowStaysOnTopHint, context.settings.ImmerOben);
    buildControls();
    connectReactions();

    NoteForm shown = newNoteForm(today(), m_context.locale);
    if (bearbeiten) {
        RecordSet& notes = m_context.notes;
        const NoteRow row =
            NoteRow::fromColumns([&notes](const QString& column) { return notes.value(column); });
        if (row.ID)
            m_editId = *row.ID;
        shown = storedNoteForm(row, today(), m_context.locale);
    }
    showForm(shown);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    place();
}

QDate Notizen::today() const
{
    return m_context.clock.now().date();
}

void Notizen::connectReactions()
{
    connect(m_zeitArtOpt[0], &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            choosePermanent();
        updatePanels();
    });
    for (QRadioButton* option : m_rhythmusOpt)
        connect(option, &QRadioButton::toggled, this, &Notizen::updatePanels);
    for (InputField* time : m_uhrzeit)
        connect(time, &QLineEdit::textChanged, this, &Notizen::timeTextChanged);
    connect(m_uhrzeit[0], &InputField::focusLeft, this, [this] { checkTime(0); });
    connect(m_uhrzeit[1], &InputField::focusLeft, this, [this] { checkTime(1); });
    for (InputField* date : {m_erstDatumWoc, m_erstDatumMon, m_erstDatumJah})
        connect(date, &InputField::focusLeft, this, [this, date] { checkDate(date); });
    for (InputField* number : {m_dauerWoc, m_vorherMon, m_vorherJah})
        connect(number, &InputField::focusLeft, this,
                [this, number] { fillEmpty(number, QStringLiteral("0")); });
    connect(m_tagZahlMon, &InputField::focusLeft, this,
            [this] { fillEmpty(m_tagZahlMon, QString::number(today().day())); });
    connect(m_tagZahlMon, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty())
            m_monArtOpt[0]->setChecked(true);
    });
    connect(m_monArtOpt[0], &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            clearPositions();
    });
    connect(m_moPosGroup, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            m_monArtOpt[1]->setChecked(true);
    });
    connect(m_okBef, &QPushButton::clicked, this, &Notizen::speichern);
    connect(m_abbrechenBef, &QPushButton::clicked, this, &QDialog::reject);
}

// The time and rhythm panels show with time control; a detail panel with its rhythm.
void Notizen::updatePanels()
{
    const bool timeControl = m_zeitArtOpt[1]->isChecked();
    m_zeitPan->setVisible(timeControl);
    m_rhythmusPan->setVisible(timeControl);
    int page = 0;
    for (int k = 2; k <= 4; ++k) {
        if (timeControl && m_rhythmusOpt[k - 1]->isChecked())
            page = k - 1;
    }
    m_details->setCurrentIndex(page);
    m_details->setVisible(page != 0);
}

// Daily is preselected for the next choice of time control.
void Notizen::choosePermanent()
{
    m_rhythmusOpt[0]->setChecked(true);
}

void Notizen::timeTextChanged()
{
    const bool anyText = !m_uhrzeit[0]->text().isEmpty() || !m_uhrzeit[1]->text().isEmpty();
    m_uhrArtOpt[anyText ? 1 : 0]->setChecked(true);
}

void Notizen::clearPositions()
{
    m_moPosGroup->setExclusive(false);
    for (QRadioButton* position : m_moPosOpt)
        position->setChecked(false);
    m_moPosGroup->setExclusive(true);
}

void Notizen::checkTime(int index)
{
    InputField* time = m_uhrzeit[index];
    if (!isVisible())
        return;
    const NormalisedTime normalised = ZeitNormieren(time->text());
    if (normalised.state == NormalisedTime::State::Valid)
        time->setText(normalised.text);
    else if (normalised.state == NormalisedTime::State::Invalid)
        showError(editorMessageText(EditorMessage::InvalidTime, m_sprache), time);
}

void Notizen::checkDate(InputField* field)
{
    if (!isVisible())
        return;
    QString text = field->text();
    DatumNormieren(text, m_context.locale, today());
    field->setText(text);
    if (!DatumGueltig(text, m_context.locale, today()))
        showError(editorMessageText(EditorMessage::InvalidDate, m_sprache), field);
}

void Notizen::fillEmpty(InputField* field, const QString& text)
{
    if (field->text().isEmpty())
        field->setText(text);
}

void Notizen::showError(const QString& text, QWidget* focus)
{
    m_context.platform.beep();
    MeldungPanSetzen(*m_meldungPan, text, meldungRot);
    // A long message wraps: the line takes room from the empty space of the panels, and the
    // window grows when that is not enough.
    const int needed = m_meldungPan->heightForWidth(m_meldungPan->width()) + 4;
    if (needed > m_meldungPan->minimumHeight()) {
        m_meldungPan->setMinimumHeight(needed);
        layout()->activate();
        if (layout()->minimumSize().height() > height())
            setFixedHeight(layout()->minimumSize().height());
    }
    if (focus && focus->isVisible())
        focus->setFocus(Qt::OtherFocusReason);
}

// 1. the checks, asking where they ask; 2. the entries a Yes filled in back into the
// fields; 3. an error to its field, or the note stored and the window closed.
void Notizen::speichern()
{
    NoteForm entries = form();
    const NoteCheck check =
        NotizPruefen(entries.draft(), m_context.locale, today(), [this](EditorQuestion question) {
            if (editorQuestionBeeps(question))
                m_context.platform.beep();
            return m_context.platform.showMessage(editorQuestionText(question, m_sprache),
                                                  MessageIcon::Question,
                                                  MessageButtons::YesNo) == MessageAnswer::Yes;
        });
    entries.takeTimes(check.draft);
    m_uhrzeit[0]->setText(entries.fromTime);
    m_uhrzeit[1]->setText(entries.toTime);
    m_uhrArtOpt[entries.fromTo ? 1 : 0]->setChecked(true);

    switch (check.result) {
    case NoteCheck::Result::Error:
        showError(editorMessageText(*check.message, m_sprache), focusTarget(check));
        break;
    case NoteCheck::Result::Declined:
        break;
    case NoteCheck::Result::Passed:
        storeNote(check, entries.notiz);
        break;
    }
}

void Notizen::storeNote(const NoteCheck& check, const QString& inhalt)
{
    const StoreResult stored = NotizSpeichern(m_context.notes, m_editId, inhalt, check.schedule);
    switch (stored.status) {
    case StoreResult::Status::Stored:
        accept();
        break;
    case StoreResult::Status::NotFound:
        showError(editorMessageText(EditorMessage::RecordNotFound, m_sprache), nullptr);
        break;
    case StoreResult::Status::Failed:
        showError(storageFailureText(StorageAction::StoreNote, stored.failure, m_sprache), nullptr);
        break;
    }
}

InputField* Notizen::firstDateField(int rhythm) const
{
    return rhythm == 2 ? m_erstDatumWoc : rhythm == 3 ? m_erstDatumMon : m_erstDatumJah;
}

QWidget* Notizen::focusTarget(const NoteCheck& check) const
{
    const int rhythm = check.schedule.rhythm;
    const auto row = static_cast<std::size_t>(std::clamp(check.row, 0, 3));
    switch (check.focus) {
    case EditorField::Notiz:
        return m_notiz;
    case EditorField::FromTime:
        return m_uhrzeit[0];
    case EditorField::ToTime:
        return m_uhrzeit[1];
    case EditorField::Weekdays:
        return m_woTagChe[0];
    case EditorField::FirstDate:
        return firstDateField(rhythm);
    case EditorField::Weeks:
        return m_dauerWoc;
    case EditorField::DayOfMonth:
        return m_tagZahlMon;
    case EditorField::Position:
        return m_moPosOpt[0];
    case EditorField::YearlyDay:
        return m_tagZahlJahr[row];
    case EditorField::YearlyMonth:
        return m_monatJah[row];
    case EditorField::DaysInAdvance:
        return rhythm == 3 ? m_vorherMon : m_vorherJah;
    }
    return m_notiz;
}

bool Notizen::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        m_context.platform.setTopmost(*this, m_context.settings.ImmerOben);
        // On showing, the note text takes the focus with the cursor at its end; after a
        // question box the focus stays where the check put it.
        if (!std::exchange(m_activatedOnce, true)) {
            // The title bar is known now: above a band at the bottom it must not cover it.
            place();
            m_notiz->setFocus(Qt::ActiveWindowFocusReason);
            m_notiz->moveCursor(QTextCursor::End);
        }
    }
    return QDialog::event(event);
}

// Every key first clears the message line; F1 opens the help page, Enter in the note text
// does nothing.
bool Notizen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        MeldungPanLeeren(*m_meldungPan);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            HilfeZeigen(m_context.platform, m_context.settings.Sprache);
            return true;
        }
        if (watched == m_notiz && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qb
