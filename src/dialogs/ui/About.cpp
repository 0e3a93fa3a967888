#include "About.h"

#include "core/Settings.h"
#include "dialogs/DialogPlacement.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/VersionText.h"
#include "platform/Platform.h"
#include "platform/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace qb {

namespace {

constexpr int lineNumbers[] = {1, 2, 3, 12};

int indexOf(int number)
{
    for (int index = 0; index < 4; ++index)
        if (lineNumbers[index] == number)
            return index;
    return -1;
}

} // namespace

About::About(const Settings& settings, Platform& platform, int version, const QRect& band,
             QWidget* parent)
    : QDialog(parent), m_settings(settings), m_platform(platform)
{
    setObjectName(QStringLiteral("About"));
    setFixedSize(twips::toPixels(widthTwips), twips::toPixels(heightTwips));
    setWindowTitle(dialogText(DialogText::AboutTitle, settings.Sprache));

    QLabel* name = addLine(1, QRect(360, 270, 4680, 510), QStringLiteral("Quillaband"));
    QFont large(QStringLiteral("MS Sans Serif"));
    large.setPointSizeF(13.5);
    large.setBold(true);
    name->setFont(large);
    addLine(2, QRect(360, 900, 4680, 300), dialogText(DialogText::Subtitle, settings.Sprache));
    addLine(3, QRect(360, 1200, 4680, 300), VersionText(version, settings.Sprache));

    QLabel* link =
        addLine(12, QRect(360, 1800, 4680, 300), dialogText(DialogText::WebLink, settings.Sprache));
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    link->setPalette(palette);
    link->setCursor(Qt::PointingHandCursor);
    link->setFocusPolicy(Qt::StrongFocus);
    link->installEventFilter(this);

    m_endeBef = new QPushButton(dialogText(DialogText::Close, settings.Sprache), this);
    m_endeBef->setObjectName(QStringLiteral("EndeBef"));
    m_endeBef->setAccessibleName(m_endeBef->text());
    m_endeBef->setGeometry(twips::toPixels(QRect(3840, 2520, 1200, 375)));
    m_endeBef->setDefault(true);
    connect(m_endeBef, &QPushButton::clicked, this, &QDialog::accept);

    move(placement::about(band, size()));
    // The layer is set before the window is shown: changing it on a shown window re-creates
    // the window, which would end the modal loop. Activations then only raise it.
    m_platform.setTopmost(*this, m_settings.ImmerOben);
}

QLabel* About::addLine(int number, const QRect& twipsRect, const QString& text)
{
    auto* line = new QLabel(text, this);
    line->setObjectName(QStringLiteral("TextLab%1").arg(number));
    line->setAccessibleName(text);
    line->setGeometry(twips::toPixels(twipsRect));
    m_lines[indexOf(number)] = line;
    return line;
}

QLabel* About::TextLab(int number) const
{
    const int index = indexOf(number);
    return index < 0 ? nullptr : m_lines[index];
}

bool About::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        m_platform.setTopmost(*this, m_settings.ImmerOben);
    return QDialog::event(event);
}

// A click on the link line, or Enter or Space while it has the focus, opens the about page.
bool About::eventFilter(QObject* watched, QEvent* event)
{
    bool open = false;
    if (event->type() == QEvent::MouseButtonRelease)
        open = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        open = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    }
    if (watched == TextLab(12) && open) {
        m_platform.openAddress(aboutPageAddress(m_settings.Sprache));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qb
