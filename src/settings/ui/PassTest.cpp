#include "PassTest.h"

#include "core/Settings.h"
#include "dialogs/ui/MeldungPan.h"
#include "platform/Colour.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "settings/SettingsRules.h"
#include "settings/SettingsTexts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace qb {

namespace {

// A key in a keyhole plate (32 x 32).
QPixmap keyPicture()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 70, 20), 1));
    painter.setBrush(QColor(214, 178, 74));
    painter.drawRoundedRect(QRectF(6.5, 1.5, 19, 29), 4, 4);
    painter.setBrush(QColor(40, 30, 10));
    painter.drawEllipse(QPointF(16, 11), 3.5, 3.5);
    painter.drawRect(QRectF(14.5, 12, 3, 9));
    painter.setPen(QPen(QColor(120, 120, 128), 2.5));
    painter.drawLine(QPointF(16, 16), QPointF(29, 27));
    painter.setBrush(QColor(170, 170, 180));
    painter.drawEllipse(QPointF(28, 26), 3, 3);
    return picture;
}

} // namespace

QPixmap PassTest::lamp(bool green)
{
    QPixmap picture(32, 32);
    picture.fill(colour::classic(7));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor light = green ? QColor(0, 220, 0) : QColor(230, 0, 0);
    QRadialGradient glow(QPointF(13, 12), 14);
    glow.setColorAt(0, light.lighter(170));
    glow.setColorAt(1, light.darker(140));
    painter.setPen(QPen(QColor(64, 64, 64), 1.5));
    painter.setBrush(glow);
    painter.drawEllipse(QRectF(4, 4, 24, 24));
    return picture;
}

PassTest::PassTest(const Settings& settings, Platform& platform, const QRect& band, Pause pause,
                   QWidget* parent)
    : QDialog(parent), m_settings(settings), m_platform(platform), m_pause(std::move(pause))
{
    setObjectName(QStringLiteral("PassTest"));
    setModal(true);
    setFixedSize(twips::toPixels(widthTwips), twips::toPixels(heightTwips));
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, colour::classic(7));
    setPalette(grey);
    // The layout's twips were made for a face of about 8 points.
    QFont face = font();
    face.setPointSizeF(7.5);
    setFont(face);

    // 1. Captions by the language.
    auto* titelPan = new QLabel(this);
    titelPan->setObjectName(QStringLiteral("TitelPan"));
    titelPan->setGeometry(twips::toPixels(QRect(120, 120, 5655, 495)));
    titelPan->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    titelPan->setAlignment(Qt::AlignCenter);
    titelPan->setText(SettingsTexts::message(SettingsMessage::PassTestTitle, settings.Sprache));
    titelPan->setAccessibleName(titelPan->text());
    setAccessibleName(titelPan->text());
    // No title text: an empty title would show the program's name instead.
    setWindowTitle(QStringLiteral(" "));

    auto* zzPanel = new QLabel(this);
    zzPanel->setObjectName(QStringLiteral("zzPanel"));
    // Up to the field: the label in the Linux faces is a little wider than planned.
    zzPanel->setGeometry(twips::toPixels(QRect(720, 780, 1860, 315)));
    zzPanel->setText(SettingsTexts::message(SettingsMessage::PassTestPrompt, settings.Sprache));

    m_passText = new QLineEdit(this);
    m_passText->setObjectName(QStringLiteral("PaßText"));
    m_passText->setGeometry(twips::toPixels(QRect(2580, 780, 1935, 315)));
    m_passText->setEchoMode(QLineEdit::Password);
    m_passText->setMaxLength(maxPasswordLength);
    QPalette field = m_passText->palette();
    field.setColor(QPalette::Base, colour::classic(7));
    m_passText->setPalette(field);
    m_passText->setAccessibleName(zzPanel->text());
    m_passText->installEventFilter(this);
    zzPanel->setBuddy(m_passText);

    for (int n = 0; n < 2; ++n) {
        m_lichtIma[n] = new QLabel(this);
        m_lichtIma[n]->setObjectName(QStringLiteral("LichtIma%1").arg(n + 1));
        m_lichtIma[n]->setGeometry(twips::toPixels(QRect(n == 0 ? 120 : 5295, 690, 480, 480)));
        m_lichtIma[n]->setPixmap(lamp(false));
        m_lichtIma[n]->setAccessibleName(QStringLiteral("Red lamp"));
    }
    auto* image2 = new QLabel(this);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setGeometry(twips::toPixels(QRect(4650, 720, 480, 480)));
    image2->setPixmap(keyPicture());
    image2->setAccessibleName(QStringLiteral("Key"));

    m_meldungPan = new QLabel(this);
    m_meldungPan->setObjectName(QStringLiteral("MeldungPan"));
    m_meldungPan->setGeometry(twips::toPixels(QRect(120, 1260, 5655, 285)));
    m_meldungPan->setAlignment(Qt::AlignCenter);
    MeldungPanLeeren(*m_meldungPan);

    auto* abbrechenBef = new QPushButton(QStringLiteral("&Abbrechen"), this);
    abbrechenBef->setObjectName(QStringLiteral("AbbrechenBef"));
    abbrechenBef->setGeometry(twips::toPixels(QRect(120, 1650, 2790, 345)));
    abbrechenBef->setAutoDefault(false);
    abbrechenBef->setAccessibleName(QStringLiteral("Abbrechen"));
    connect(abbrechenBef, &QPushButton::clicked, this, &PassTest::reject);
    auto* okBef = new QPushButton(QStringLiteral("&OK"), this);
    okBef->setObjectName(QStringLiteral("OkBef"));
    okBef->setGeometry(twips::toPixels(QRect(2985, 1650, 2790, 345)));
    okBef->setAutoDefault(false);
    okBef->setAccessibleName(QStringLiteral("OK"));
    connect(okBef, &QPushButton::clicked, this, [this] {
        clearMessage();
        check();
    });

    // 2.-3. Over the settings window's place, on the band's middle line.
    const QSize screen = platform.screenSize();
    const QPointF position =
        SettingsRules::passTestPosition(band, twips::fromPixels(screen.height()));
    move(platform.screenPosition(position.x(), position.y()));

    // 4.-5.
    m_platform.beep();
    m_access = false;
    m_passText->setFocus();
}

void PassTest::clearMessage()
{
    if (m_meldungPan->palette().color(QPalette::Window) != colour::classic(meldungGrau))
        MeldungPanLeeren(*m_meldungPan);
}

// Exact comparison: case counts and nothing is trimmed.
void PassTest::check()
{
    m_access = false;
    if (m_passText->text() != m_settings.passWort) {
        MeldungPanSetzen(*m_meldungPan, QStringLiteral("Zugang abgelehnt !"), meldungRot);
        m_platform.beep();
        m_passText->clear();
        m_passText->setFocus();
        return;
    }
    m_access = true;
    for (QLabel* lamp : m_lichtIma) {
        lamp->setPixmap(PassTest::lamp(true));
        lamp->setAccessibleName(QStringLiteral("Green lamp"));
        lamp->repaint();
    }
    QApplication::processEvents();
    m_pause(0.5);
    accept();
}

void PassTest::reject()
{
    m_access = false;
    QDialog::reject();
}

bool PassTest::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_passText && event->type() == QEvent::KeyPress) {
        clearMessage();
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            check();
            return true;
        }
        if (key == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qb
