#pragma once

#include "core/StorageFailure.h"
#include "editor/ui/NoteWindowContext.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace qb {

// The notes administration: one line per local note in table order; the first marked note
// opens in the note editor, the marked notes are deleted after a question. Controls carry
// their documented names (Liste, BearbeitenBef, LoeschenBef, EndeBef) as object names.
class Verwaltung : public QDialog
{
    Q_OBJECT

public:
    static constexpr int clientWidthTwips = 5445;
    static constexpr int clientHeightTwips = 6885;
    // A line's text is cut to the list's width less this margin.
    static constexpr int lineMarginTwips = 500;

    explicit Verwaltung(const NoteWindowContext& context, QWidget* parent = nullptr);

    // Clears the list and adds one line per row of the notes record set.
    void ListeFuellen();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void place();
    void markingChanged();
    void bearbeiten();
    void loeschen();
    // Positions the record set on the row of a line; a failure is told as one of `action`.
    bool findRow(int line, StorageAction action);
    void tell(const QString& text);

    NoteWindowContext m_context;
    qint16 m_sprache = 1;
    bool m_framed = false;
    QListWidget* m_liste = nullptr;
    QPushButton* m_bearbeitenBef = nullptr;
    QPushButton* m_loeschenBef = nullptr;
    QPushButton* m_endeBef = nullptr;
};

} // namespace qb
