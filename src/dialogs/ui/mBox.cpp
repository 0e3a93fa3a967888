#include "mBox.h"

#include "MBoxButton.h"
#include "dialogs/DialogTexts.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace qb {

namespace {

struct ButtonSlot
{
    bool visible = false;
    int left = 0;
    int width = 0;
};

// Lefts and widths of buttons 0, 1 and 2 per button set: one row 1860 wide, halves of
// 900 and quarters of 435 with gaps of 60 (30 between the two quarters).
constexpr ButtonSlot rowOf[4][3] = {
    {{true, 1470, 1860}, {}, {}},
    {{}, {true, 1470, 900}, {true, 2430, 900}},
    {{true, 2400, 900}, {true, 1470, 435}, {true, 1935, 435}},
    {{true, 1470, 1860}, {}, {}},
};

} // namespace

mBox::mBox(qint16 sprache, int buttonSet, const QString& text, const Place& place, Pause pause,
           QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_pause(std::move(pause)), m_buttonSet(buttonSet >= 1 && buttonSet <= 4 ? buttonSet : 4),
      m_screenHeight(place.screenHeight), m_screenOrigin(place.screenOrigin)
{
    setObjectName(QStringLiteral("mBox"));
    setModal(true);
    setFixedSize(twips::toPixels(widthTwips), twips::toPixels(heightTwips));
    setAccessibleName(QStringLiteral("Quillaband"));

    // 1.-4. Start fully left of the screen, at the height that meets the band.
    m_left = -widthTwips;
    m_targetLeft = place.screenWidth / 2 - widthTwips / 2;
    m_top = place.dockedBelow ? place.screenHeight - place.bandHeight - heightTwips + 100
                              : place.bandHeight - 400;
    moveToTwips();

    m_mTextPan = new QLabel(text, this);
    m_mTextPan->setObjectName(QStringLiteral("mTextPan"));
    m_mTextPan->setGeometry(twips::toPixels(QRect(750, 570, 2760, 1290)));
    QFont textFont(QStringLiteral("MS Sans Serif"));
    textFont.setPointSizeF(8.25);
    m_mTextPan->setFont(textFont);
    m_mTextPan->setWordWrap(true);
    m_mTextPan->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_mTextPan->setAccessibleName(text);

    // 5. The buttons by the button set, captions by the language.
    layOutButtons(sprache);
}

void mBox::layOutButtons(qint16 sprache)
{
    const QString captions[3] = {
        m_buttonSet == 1 ? dialogText(DialogText::Cancel, sprache) : QStringLiteral("OK"),
        dialogText(DialogText::Yes, sprache),
        dialogText(DialogText::No, sprache),
    };
    for (int number = 0; number < 3; ++number) {
        auto* button = new MBoxButton(this);
        m_buttons[number] = button;
        button->setObjectName(QStringLiteral("ButtonPan%1").arg(number));
        button->setText(captions[number]);
        button->setAccessibleName(captions[number]);
        const ButtonSlot& slot = rowOf[m_buttonSet - 1][number];
        button->setGeometry(
            twips::toPixels(QRect(slot.left, buttonTopTwips, slot.width, buttonHeightTwips)));
        button->setVisible(slot.visible);
        connect(button, &MBoxButton::pressedDown, this, [this, number] { press(number); });
        connect(button, &MBoxButton::releasedUp, this, [this, number] { release(number); });
        connect(button, &MBoxButton::clicked, this, [this, number] { answerAndLeave(number); });
    }
}

void mBox::moveToTwips()
{
    move(m_screenOrigin + QPoint(twips::toPixels(m_left), twips::toPixels(m_top)));
}

void mBox::slideIn()
{
    while (!m_leaving && m_left < m_targetLeft) {
        m_left = std::min(m_left + slideStepTwips, m_targetLeft);
        moveToTwips();
        QApplication::processEvents();
    }
}

// The button looks pressed and its number is the answer from now on.
void mBox::press(int number)
{
    m_answer = number;
    const int offset = twips::toPixels(pressOffsetTwips);
    m_buttons[number]->move(m_buttons[number]->pos() + QPoint(offset, offset));
}

// The release closes the box with the answer of the press, wherever the pointer is.
void mBox::release(int number)
{
    const int offset = twips::toPixels(pressOffsetTwips);
    m_buttons[number]->move(m_buttons[number]->pos() - QPoint(offset, offset));
    QApplication::processEvents();
    m_pause(0.05);
    slideOut();
}

void mBox::answerAndLeave(int number)
{
    m_answer = number;
    slideOut();
}

void mBox::reject()
{
    m_answer = m_buttonSet == 2 ? 2 : 0;
    slideOut();
}

void mBox::slideOut()
{
    if (m_leaving)
        return;
    m_leaving = true;
    while (m_top <= m_screenHeight) {
        m_top += slideStepTwips;
        moveToTwips();
        QApplication::processEvents();
    }
    done(m_answer);
}

bool mBox::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        slideIn();
    return handled;
}

// The face: a raised grey plate with a red badge and a sunken white text area.
void mBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient ground(plate.topLeft(), plate.bottomLeft());
    ground.setColorAt(0, QColor(236, 236, 240));
    ground.setColorAt(1, QColor(196, 196, 204));
    painter.setPen(QPen(QColor(90, 90, 100), 1));
    painter.setBrush(ground);
    painter.drawRoundedRect(plate, 8, 8);

    const QRectF badge(12, 40, 30, 30);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(204, 0, 0));
    painter.drawEllipse(badge);
    painter.setPen(Qt::white);
    QFont badgeFont = font();
    badgeFont.setBold(true);
    badgeFont.setPixelSize(20);
    painter.setFont(badgeFont);
    painter.drawText(badge, Qt::AlignCenter, QStringLiteral("?"));

    const QRectF textArea = QRectF(m_mTextPan->geometry()).adjusted(-5, -5, 5, 5);
    painter.setPen(QColor(150, 150, 160));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(textArea, 4, 4);
}

} // namespace qb
