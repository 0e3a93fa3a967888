#pragma once

#include "Strut.h"
#include "Twips.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

class QWidget;

namespace qb {

enum class MessageIcon { Information, Warning, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// A font as the settings keep it; colour in the stored &HBBGGRR order.
struct FontChoice
{
    QString name;
    // Fractional sizes come back from the dialog as chosen; the caller rounds.
    double pointSize = 8;
    bool bold = false;
    bool italic = false;
    qint32 colour = 0;
};

// The desktop services the program uses, behind one seam: the Qt implementation
// talks to the desktop, the scripted double in the tests records calls and
// answers from a queue.
class Platform
{
public:
    virtual ~Platform() = default;

    virtual void beep() = 0;
    // Puts a top-level window into the always-on-top layer or out of it.
    virtual void setTopmost(QWidget& window, bool onTop) = 0;
    // Size of the primary screen in logical pixels.
    virtual QSize screenSize() const = 0;
    // The primary screen's place on the whole desktop in logical pixels: a primary
    // monitor right of or below another one does not start at (0, 0).
    virtual QRect screenGeometry() const { return QRect(QPoint(0, 0), screenSize()); }
    // The places of all monitors on the whole desktop in logical pixels.
    virtual QList<QRect> monitorGeometries() const { return {screenGeometry()}; }
    // Reserves the strip at the desktop's edges that a docked window covers, so that the
    // window manager places and maximises other windows beside it; an empty strut gives
    // the strip back. Ignored where the window system has no such reservation.
    virtual void setStrut(QWidget& window, const Strut& strut) = 0;
    // Whether the desktop keeps a reserved strip free of other windows.
    virtual bool honoursStrut() const = 0;
    // A place given in twips from the primary screen's top-left corner, as a position on
    // the whole desktop in logical pixels: where the windows' placement formulas put them.
    QPoint screenPosition(double leftTwips, double topTwips) const
    {
        return screenGeometry().topLeft() +
               QPoint(twips::toPixels(leftTwips), twips::toPixels(topTwips));
    }
    // Opens a web address or file with the desktop's handler; false when no
    // handler took it.
    virtual bool openAddress(const QString& address) = 0;
    // Opens a document (path absolute or relative to the program's read-only files).
    virtual bool openDocument(const QString& path) = 0;
    // The standard message box, titled "Quillaband".
    virtual MessageAnswer showMessage(const QString& text, MessageIcon icon,
                                      MessageButtons buttons) = 0;
    // The colour dialog with its custom-colour part shown, preset to initial.
    virtual std::optional<qint32> chooseColour(const QString& title, qint32 initial) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
    // The file-open dialog: only existing files; `start` is a folder or a preset file name.
    virtual std::optional<QString> chooseFile(const QString& title, const QString& start,
                                              const QString& filter) = 0;
};

} // namespace qb
