#include "QtPlatform.h"

#include "X11Hints.h"
#include "platform/Colour.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <QWidget>
#include <QWindow>

namespace qb {

void QtPlatform::beep()
{
    QApplication::beep();
}

void QtPlatform::setTopmost(QWidget& window, bool onTop)
{
    QWindow* native = window.windowHandle();
    if (!native) {
        // Not shown yet: the layer goes with the window's first show.
        window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        return;
    }
    // Through the existing window (_NET_WM_STATE_ABOVE on X11): changing the widget's flag
    // would re-create the window, and the new one would be activated and raised.
    Qt::WindowFlags flags = native->flags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (flags != native->flags()) {
        native->setFlags(flags);
        Qt::WindowFlags widgetFlags = window.windowFlags();
        window.overrideWindowFlags(widgetFlags.setFlag(Qt::WindowStaysOnTopHint, onTop));
    }
    if (onTop && !x11::raise(window))
        window.raise();
}

QSize QtPlatform::screenSize() const
{
    return screenGeometry().size();
}

QRect QtPlatform::screenGeometry() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QList<QRect> QtPlatform::monitorGeometries() const
{
    QList<QRect> monitors;
    for (const QScreen* screen : QGuiApplication::screens())
        monitors.append(screen->geometry());
    return monitors.isEmpty() ? QList<QRect>{screenGeometry()} : monitors;
}

void QtPlatform::setStrut(QWidget& window, const Strut& strut)
{
    x11::setStrut(window, strut);
}

bool QtPlatform::honoursStrut() const
{
    // Outside X (a Wayland session without XWayland, offscreen) nothing keeps the strip.
    return x11::strutSupported().value_or(false);
}

bool QtPlatform::openAddress(const QString& address)
{
    const QUrl url = QUrl::fromUserInput(address, QDir::currentPath());
    return QDesktopServices::openUrl(url);
}

bool QtPlatform::openDocument(const QString& path)
{
    const QString absolute = QDir(m_documentFolder).absoluteFilePath(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::cleanPath(absolute)));
}

MessageAnswer QtPlatform::showMessage(const QString& text, MessageIcon icon, MessageButtons buttons)
{
    const auto qtIcon = [icon] {
        switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        }
        return QMessageBox::NoIcon;
    }();
    const auto qtButtons = [buttons] {
        switch (buttons) {
        case MessageButtons::Ok:
            return QMessageBox::StandardButtons(QMessageBox::Ok);
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        }
        return QMessageBox::StandardButtons(QMessageBox::Ok);
    }();
    QMessageBox box(qtIcon, QStringLiteral("Quillaband"), text, qtButtons);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

std::optional<qint32> QtPlatform::chooseColour(const QString& title, qint32 initial)
{
    // Qt's own dialog always shows its custom-colour part.
    const QColor chosen = QColorDialog::getColor(colour::toQColor(initial), nullptr, title,
                                                 QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return std::nullopt;
    return colour::fromQColor(chosen);
}

std::optional<FontChoice> QtPlatform::chooseFont(const FontChoice& initial)
{
    QFont font(initial.name);
    font.setPointSizeF(initial.pointSize);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, font);
    if (!accepted)
        return std::nullopt;
    return FontChoice{chosen.family(), chosen.pointSizeF(), chosen.bold(), chosen.italic(),
                      initial.colour};
}

std::optional<QString> QtPlatform::chooseFile(const QString& title, const QString& start,
                                              const QString& filter)
{
    const QString path = QFileDialog::getOpenFileName(nullptr, title, start, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace qb
