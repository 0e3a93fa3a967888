#pragma once

#include "platform/Platform.h"
#include "support/UnexpectedDialog.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace qb::test {

// Platform double: records every call as a line of text, every dialog with what it was
// given, and answers dialogs from queues the test fills. A dialog without a queued answer
// fails the running test (or goes to onUnexpected when a test sets it) and is answered
// with a safe default; it never blocks.
class ScriptedPlatform final : public Platform
{
public:
    // One dialog as it was asked for; only the members of its kind are set.
    struct Dialog
    {
        enum class Kind { Message, Colour, Font, File };
        Kind kind = Kind::Message;
        QString text; // the message, or the dialog's title
        MessageIcon icon = MessageIcon::Information;
        MessageButtons buttons = MessageButtons::Ok;
        qint32 colour = 0; // the colour dialog's preset
        FontChoice font;   // the font dialog's preset
        QString start;     // the file dialog's folder or file name
        QString filter;    // the file dialog's filter
    };

    QStringList calls;
    QSize screen{1920, 1080};
    QPoint screenOrigin{0, 0};
    std::deque<MessageAnswer> messageAnswers;
    std::deque<std::optional<qint32>> colourAnswers;
    std::deque<std::optional<FontChoice>> fontAnswers;
    std::deque<std::optional<QString>> fileAnswers;
    bool openSucceeds = true;
    bool strutHonoured = true;
    std::function<void(const QString&)> onUnexpected;
    std::vector<Dialog> dialogs;

    void beep() override { calls << QStringLiteral("beep"); }
    void setTopmost(QWidget&, bool onTop) override
    {
        calls << (onTop ? QStringLiteral("topmost on") : QStringLiteral("topmost off"));
    }
    QSize screenSize() const override { return screen; }
    QRect screenGeometry() const override { return QRect(screenOrigin, screen); }
    void setStrut(QWidget&, const Strut& strut) override
    {
        QStringList values;
        for (const int value : strut.values)
            values << QString::number(value);
        calls << QStringLiteral("strut ") + values.join(QLatin1Char(' '));
    }
    bool honoursStrut() const override { return strutHonoured; }
    bool openAddress(const QString& address) override
    {
        calls << QStringLiteral("openAddress ") + address;
        return openSucceeds;
    }
    bool openDocument(const QString& path) override
    {
        calls << QStringLiteral("openDocument ") + path;
        return openSucceeds;
    }
    MessageAnswer showMessage(const QString& text, MessageIcon icon,
                              MessageButtons buttons) override
    {
        calls << QStringLiteral("message ") + text;
        Dialog& dialog = record(Dialog::Kind::Message, text);
        dialog.icon = icon;
        dialog.buttons = buttons;
        const MessageAnswer fallback =
            buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel
                ? MessageAnswer::Ok
                : MessageAnswer::No;
        return next(messageAnswers, fallback, text);
    }
    std::optional<qint32> chooseColour(const QString& title, qint32 initial) override
    {
        calls << QStringLiteral("chooseColour ") + title;
        record(Dialog::Kind::Colour, title).colour = initial;
        return next(colourAnswers, std::optional<qint32>{}, QStringLiteral("colour dialog"));
    }
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override
    {
        calls << QStringLiteral("chooseFont");
        record(Dialog::Kind::Font, QString()).font = initial;
        return next(fontAnswers, std::optional<FontChoice>{}, QStringLiteral("font dialog"));
    }
    std::optional<QString> chooseFile(const QString& title, const QString& start,
                                      const QString& filter) override
    {
        calls << QStringLiteral("chooseFile ") + title;
        Dialog& dialog = record(Dialog::Kind::File, title);
        dialog.start = start;
        dialog.filter = filter;
        return next(fileAnswers, std::optional<QString>{}, title);
    }

private:
    Dialog& record(Dialog::Kind kind, const QString& text)
    {
        Dialog& dialog = dialogs.emplace_back();
        dialog.kind = kind;
        dialog.text = text;
        return dialog;
    }
    template <class T> T next(std::deque<T>& queue, T fallback, const QString& what)
    {
        if (queue.empty()) {
            const QString message = QStringLiteral("unexpected dialog: ") + what;
            if (onUnexpected)
                onUnexpected(message);
            else
                failRunningTest(message);
            return fallback;
        }
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

} // namespace qb::test
