#include "Intro.h"

#include "dialogs/DialogTexts.h"
#include "dialogs/VersionText.h"
#include "platform/Platform.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

namespace qb {

namespace {

// The picture of one language: the name over a strip of the band in its default colours,
// with the platform line below.
QPixmap drawPicture(const QString& subtitle)
{
    const QSize size(twips::toPixels(Intro::widthTwips), twips::toPixels(Intro::heightTwips));
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0, 0, 96));
    sky.setColorAt(1, QColor(0, 0, 160));
    painter.fillRect(picture.rect(), sky);

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(size.height() / 6);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, size.height() / 8, size.width(), size.height() / 4), Qt::AlignCenter,
                     QStringLiteral("Quillaband"));

    // A band with its date panel, clock panel and a line of notes.
    const int stripTop = size.height() * 5 / 12;
    const int stripHeight = size.height() / 7;
    const QRect strip(size.width() / 12, stripTop, size.width() * 10 / 12, stripHeight);
    painter.fillRect(strip.adjusted(-3, -3, 3, 3), QColor(0, 0, 128));
    const int panel = strip.width() / 6;
    painter.fillRect(QRect(strip.left(), strip.top(), panel, strip.height()),
                     QColor(224, 224, 255));
    painter.fillRect(QRect(strip.left() + panel + 2, strip.top(), panel, strip.height()),
                     QColor(224, 224, 255));
    const QRect band(strip.left() + 2 * panel + 4, strip.top(), strip.width() - 2 * panel - 4,
                     strip.height());
    painter.fillRect(band, QColor(160, 160, 255));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(stripHeight * 2 / 5);
    small.setBold(true);
    painter.setFont(small);
    painter.setPen(Qt::black);
    painter.drawText(QRect(strip.left(), strip.top(), panel, strip.height()), Qt::AlignCenter,
                     QStringLiteral("06.12."));
    painter.drawText(QRect(strip.left() + panel + 2, strip.top(), panel, strip.height()),
                     Qt::AlignCenter, QStringLiteral("08:00"));
    painter.setPen(Qt::white);
    painter.drawText(band.adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("Quillaband \u00B7 Quillaband \u00B7 Quillaband \u00B7"));

    QFont line(QStringLiteral("DejaVu Sans"));
    line.setPixelSize(size.height() / 16);
    painter.setFont(line);
    painter.setPen(QColor(255, 255, 160));
    painter.drawText(QRect(0, size.height() * 2 / 3, size.width(), size.height() / 8),
                     Qt::AlignCenter, subtitle);
    return picture;
}

} // namespace

Intro::Intro(qint16 sprache, Platform& platform, int version, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Intro"));
    setWindowTitle(QStringLiteral("Quillaband"));
    setFixedSize(twips::toPixels(widthTwips), twips::toPixels(heightTwips));
    m_imageServerIma = {drawPicture(dialogText(DialogText::Subtitle, 1)),
                        drawPicture(dialogText(DialogText::Subtitle, 2))};

    m_imageIma = new QLabel(this);
    m_imageIma->setObjectName(QStringLiteral("ImageIma"));
    m_imageIma->setGeometry(rect());
    m_imageIma->setPixmap(ImageServerIma(sprache));
    m_imageIma->setAccessibleName(QStringLiteral("Quillaband"));

    m_versionPan = new QLabel(VersionText(version, sprache), this);
    m_versionPan->setObjectName(QStringLiteral("VersionPan"));
    m_versionPan->setAccessibleName(m_versionPan->text());
    m_versionPan->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_versionPan->setGeometry(twips::toPixels(QRect(3000, 3090, 2760, 330)));
    QPalette palette = m_versionPan->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    m_versionPan->setPalette(palette);

    const QRect screen = platform.screenGeometry();
    move(screen.x() + (screen.width() - width()) / 2,
         screen.y() + (screen.height() - height()) / 2);
}

} // namespace qb
