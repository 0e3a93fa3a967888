#pragma once

#include "editor/NoteForm.h"
#include "editor/NoteValidation.h"
#include "editor/ui/NoteWindowContext.h"

#include <QDialog>

#include <array>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QVBoxLayout;

namespace qb {

class InputField;

// The note editor: one note and its schedule, new or the current row of the Notizen record
// set. "Save" runs the checks (asking the platform's message box where they ask) and writes
// the row; errors show in the message line MeldungPan with a beep and keep the window open
// with every entry as typed. Controls carry their documented names as object names.
class Notizen : public QDialog
{
    Q_OBJECT

public:
    static constexpr int widthTwips = 5040;

    // bearbeiten: edit the record set's current row; otherwise write a new note.
    Notizen(const NoteWindowContext& context, bool bearbeiten, QWidget* parent = nullptr);

    // The entries as typed, and back into the controls (NotizenForm.cpp).
    NoteForm form() const;
    void showForm(const NoteForm& form);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction (NotizenBuild.cpp).
    void buildControls();
    QFrame* buildNotizPan();
    QFrame* buildZeitArtPan();
    QFrame* buildZeitPan();
    QFrame* buildRhythmusPan();
    QFrame* buildWeeklyPanel();
    QFrame* buildMonthlyPanel();
    QFrame* buildYearlyPanel();
    QLabel* zzzPanel(int number, QWidget* parent);
    InputField* advanceRow(QVBoxLayout* layout, int label, const QString& name);
    InputField* firstDateRow(QVBoxLayout* layout, int label, const QString& name);
    InputField* field(const QString& name, const QString& accepted, int maxLength,
                      const QString& accessibleName, QWidget* parent);
    QString caption(const QString& name) const;
    void place();

    // Reactions (Notizen.cpp).
    void connectReactions();
    void updatePanels();
    void choosePermanent();
    void timeTextChanged();
    void clearPositions();
    void checkTime(int index);
    void checkDate(InputField* field);
    void fillEmpty(InputField* field, const QString& text);
    void speichern();
    void storeNote(const NoteCheck& check, const QString& inhalt);
    void showError(const QString& text, QWidget* focus);
    QWidget* focusTarget(const NoteCheck& check) const;
    InputField* firstDateField(int rhythm) const;
    QDate today() const;

    NoteWindowContext m_context;
    qint16 m_sprache = 1;
    std::optional<qint64> m_editId;
    bool m_activatedOnce = false;

    QPlainTextEdit* m_notiz = nullptr;
    std::array<QRadioButton*, 2> m_zeitArtOpt{};
    QFrame* m_zeitPan = nullptr;
    std::array<QRadioButton*, 2> m_uhrArtOpt{};
    std::array<InputField*, 2> m_uhrzeit{};
    QFrame* m_rhythmusPan = nullptr;
    std::array<QRadioButton*, 4> m_rhythmusOpt{}; // RhythmusOpt(1)-(4)
    QStackedWidget* m_details = nullptr;
    std::array<QFrame*, 3> m_rhyArtPan{}; // RhyArtPan(2)-(4)

    std::array<QCheckBox*, 7> m_woTagChe{};
    InputField* m_erstDatumWoc = nullptr;
    InputField* m_dauerWoc = nullptr;

    std::array<QRadioButton*, 2> m_monArtOpt{};
    InputField* m_tagZahlMon = nullptr;
    std::array<QRadioButton*, 5> m_moPosOpt{};
    QButtonGroup* m_moPosGroup = nullptr;
    QComboBox* m_woTagCom = nullptr;
    InputField* m_vorherMon = nullptr;
    InputField* m_erstDatumMon = nullptr;

    std::array<InputField*, 4> m_tagZahlJahr{};
    std::array<QComboBox*, 4> m_monatJah{};
    InputField* m_vorherJah = nullptr;
    InputField* m_erstDatumJah = nullptr;

    QLabel* m_meldungPan = nullptr;
    QPushButton* m_okBef = nullptr;
    QPushButton* m_abbrechenBef = nullptr;
};

} // namespace qb
