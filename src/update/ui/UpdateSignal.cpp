#include "UpdateSignal.h"

#include "core/Settings.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "update/UpdatePlacement.h"
#include "update/UpdateTexts.h"

#include <QLabel>
#include <QMouseEvent>

namespace qb {

UpdateSignal::UpdateSignal(const Settings& settings, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_settings(settings), m_platform(platform)
{
    setObjectName(QStringLiteral("UpdateSignal"));
    setFixedSize(twips::toPixels(widthTwips), twips::toPixels(heightTwips));
    const QString caption = updateText(UpdateText::Available, settings.Sprache);
    setWindowTitle(caption);

    m_legendePan = new QLabel(caption, this);
    m_legendePan->setObjectName(QStringLiteral("LegendePan"));
    m_legendePan->setAccessibleName(caption);
    m_legendePan->setAlignment(Qt::AlignCenter);
    m_legendePan->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_legendePan->setAutoFillBackground(true);
    QPalette palette = m_legendePan->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 192));
    palette.setColor(QPalette::WindowText, QColor(128, 0, 0));
    m_legendePan->setPalette(palette);
    QFont bold = m_legendePan->font();
    bold.setBold(true);
    m_legendePan->setFont(bold);
    m_legendePan->setGeometry(rect());
    m_legendePan->setCursor(Qt::PointingHandCursor);
    m_legendePan->installEventFilter(this);
}

void UpdateSignal::placeBy(const QRect& band)
{
    const QRect screen = m_platform.screenGeometry();
    move(placement::updateSignal(screen.x() + screen.width(), band, size(), m_settings.dockPos));
}

bool UpdateSignal::event(QEvent* event)
{
    // It does not take the focus, so it is seldom activated: the layer follows at showing too.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        m_platform.setTopmost(*this, m_settings.ImmerOben);
    return QWidget::event(event);
}

bool UpdateSignal::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_legendePan && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit installRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qb

// The meta-object code in this object file, not in the library's common one: the band and the
// updater link the update libraries, and each takes a class only when it uses it.
#include "moc_UpdateSignal.cpp"
