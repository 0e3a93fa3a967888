#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QString>
#include <QTest>
#include <QWidget>

#include <cstddef>

namespace qb::test {

// A text the program must show word for word, in both languages, and the control showing it
// by object name ("windowTitle" for the window's title, "tip:" and the name for its tooltip).
struct Wording
{
    const char* control;
    const char16_t* german;
    const char16_t* english;

    QString in(int sprache) const { return QString::fromUtf16(sprache == 1 ? english : german); }
};

// What a window shows for a Wording's control: a label's or button's text, else the
// control's accessible name.
inline QString shownText(const QWidget& window, const QString& control)
{
    const bool tip = control.startsWith(QStringLiteral("tip:"));
    const QString name = tip ? control.mid(4) : control;
    if (name == QStringLiteral("windowTitle"))
        return window.windowTitle();
    const auto* widget = window.findChild<QWidget*>(name);
    if (!widget)
        return QStringLiteral("<no %1>").arg(name);
    if (tip)
        return widget->toolTip();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    return widget->accessibleName();
}

// Every row against what the window shows for it in the language.
template <std::size_t N>
void compareShown(const QWidget& window, const Wording (&rows)[N], int sprache)
{
    for (const Wording& row : rows)
        QCOMPARE(shownText(window, QString::fromLatin1(row.control)), row.in(sprache));
}

} // namespace qb::test
