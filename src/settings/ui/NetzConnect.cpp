#include "NetzConnect.h"

#include "core/Settings.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "settings/SettingsTexts.h"

#include <QLabel>

namespace qb {

NetzConnect::NetzConnect(const Settings& settings, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("NetzConnect"));
    setAttribute(Qt::WA_ShowWithoutActivating);

    m_legendePan = new QLabel(text(settings.Sprache), this);
    m_legendePan->setObjectName(QStringLiteral("LegendePan"));
    m_legendePan->setAlignment(Qt::AlignCenter);
    m_legendePan->setAutoFillBackground(true);
    QPalette palette = m_legendePan->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    m_legendePan->setPalette(palette);

    // On the primary screen, wherever it lies on the desktop.
    const QRect screen = platform.screenGeometry();
    const int top = settings.dockPos == 0 ? 0 : twips::fromPixels(screen.height()) - heightTwips;
    const int topPixels = twips::toPixels(top);
    setGeometry(screen.x(), screen.y() + topPixels, screen.width(),
                twips::toPixels(top + heightTwips) - topPixels);
}

QString NetzConnect::text(qint16 sprache)
{
    return SettingsTexts::message(SettingsMessage::Connecting, sprache);
}

void NetzConnect::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_legendePan->setGeometry(rect());
}

} // namespace qb
