#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace qb {

// A help popup of the settings window (KommentarPan n): the help text, a close link and
// a focus holder. It reports when the user is done with it: the close link, or the focus
// holder losing the focus (a click elsewhere).
class HelpPopup : public QFrame
{
    Q_OBJECT

public:
    HelpPopup(int number, QWidget* parent);

    void setTexts(const QString& help, const QString& close);
    // Placed and sized by the placement formulas; the focus goes to the focus holder.
    void open();

    QLabel* text() const { return m_text; }
    QPushButton* closeLink() const { return m_close; }

signals:
    void done();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_number;
    QLabel* m_text = nullptr;
    QPushButton* m_close = nullptr;
    QWidget* m_focusHolder = nullptr;
};

} // namespace qb
