#include "editor/ui/InputField.h"

#include "platform/Colour.h"

#include <QFocusEvent>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace qb {

namespace {

constexpr int lightCyan = 11;
constexpr int brightWhite = 15;

} // namespace

InputField::InputField(const QString& objectName, const QString& accepted, int maxLength,
                       QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(objectName);
    setMaxLength(maxLength);
    const QString pattern = QStringLiteral("[%1]*").arg(QRegularExpression::escape(accepted));
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
    setGround(brightWhite);
}

void InputField::setGround(int colourNumber)
{
    QPalette ground = palette();
    ground.setColor(QPalette::Base, colour::classic(colourNumber));
    ground.setColor(QPalette::Text, Qt::black);
    setPalette(ground);
}

void InputField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    setGround(lightCyan);
    // After a click the line edit places the cursor once this event is done.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            selectAll();
    });
}

void InputField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // The window losing the activation, or a popup opening, keeps the field's focus.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    setGround(brightWhite);
    QTimer::singleShot(0, this, [this] { emit focusLeft(); });
}

} // namespace qb
