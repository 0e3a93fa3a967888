#pragma once

#include <QLineEdit>

namespace qb {

// A field of the editor's entry family: light cyan with its whole text selected while it
// has the focus, bright white otherwise; it takes only its accepted characters, typed or
// pasted. After losing the focus to another control of its window it emits focusLeft()
// once pending events have run, so that a click that moved the focus has taken effect
// before the field's own check.
class InputField : public QLineEdit
{
    Q_OBJECT

public:
    InputField(const QString& objectName, const QString& accepted, int maxLength,
               QWidget* parent = nullptr);

signals:
    void focusLeft();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void setGround(int colourNumber);
};

} // namespace qb
