#pragma once

#include "platform/Platform.h"

namespace qb {

// The desktop services through Qt Widgets and Qt GUI.
class QtPlatform final : public Platform
{
public:
    // Relative document paths resolve in documentFolder (the program's read-only files);
    // empty: the current folder.
    explicit QtPlatform(QString documentFolder = {}) : m_documentFolder(std::move(documentFolder))
    {
    }

    void beep() override;
    void setTopmost(QWidget& window, bool onTop) override;
    QSize screenSize() const override;
    QRect screenGeometry() const override;
    QList<QRect> monitorGeometries() const override;
    void setStrut(QWidget& window, const Strut& strut) override;
    bool honoursStrut() const override;
    bool openAddress(const QString& address) override;
    bool openDocument(const QString& path) override;
    MessageAnswer showMessage(const QString& text, MessageIcon icon,
                              MessageButtons buttons) override;
    std::optional<qint32> chooseColour(const QString& title, qint32 initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    std::optional<QString> chooseFile(const QString& title, const QString& start,
                                      const QString& filter) override;

private:
    QString m_documentFolder;
};

} // namespace qb
