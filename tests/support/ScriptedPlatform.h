#pragma once

#include "platform/Platform.h"

#include <QStringList>
#include <deque>
#include <functional>

namespace qb::test {

// Platform double: records every call as a line of text and answers dialogs
// from queues the test fills. A dialog without a queued answer is reported
// through onUnexpected and answered with a safe default; it never blocks.
class ScriptedPlatform final : public Platform
{
public:
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
    MessageAnswer showMessage(const QString& text, MessageIcon, MessageButtons buttons) override
    {
        calls << QStringLiteral("message ") + text;
        const MessageAnswer fallback =
            buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel
                ? MessageAnswer::Ok
                : MessageAnswer::No;
        return next(messageAnswers, fallback, text);
    }
    std::optional<qint32> chooseColour(const QString& title, qint32) override
    {
        calls << QStringLiteral("chooseColour ") + title;
        return next(colourAnswers, std::optional<qint32>{}, QStringLiteral("colour dialog"));
    }
    std::optional<FontChoice> chooseFont(const FontChoice&) override
    {
        calls << QStringLiteral("chooseFont");
        return next(fontAnswers, std::optional<FontChoice>{}, QStringLiteral("font dialog"));
    }
    std::optional<QString> chooseFile(const QString& title, const QString&,
                                      const QString&) override
    {
        calls << QStringLiteral("chooseFile ") + title;
        return next(fileAnswers, std::optional<QString>{}, title);
    }

private:
    template <class T> T next(std::deque<T>& queue, T fallback, const QString& what)
    {
        if (queue.empty()) {
            if (onUnexpected)
                onUnexpected(QStringLiteral("unexpected dialog: ") + what);
            return fallback;
        }
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

} // namespace qb::test
