#include "HelpPopup.h"

#include "platform/Twips.h"
#include "settings/SettingsRules.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace qb {

namespace {

constexpr int popupWidth = 5670;

} // namespace

HelpPopup::HelpPopup(int number, QWidget* parent) : QFrame(parent), m_number(number)
{
    setObjectName(QStringLiteral("KommentarPan%1").arg(number));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    QPalette paper = palette();
    paper.setColor(QPalette::Window, QColor(255, 255, 225));
    setPalette(paper);

    const int textHeight =
        number == 1 ? SettingsRules::kommentarTextHeight1 : SettingsRules::kommentarTextHeight2;
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("KommentarTextPan%1").arg(number));
    m_text->setGeometry(twips::toPixels(QRect(105, 105, 5385, textHeight)));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("AbbrechenPan%1").arg(number));
    m_close->setFlat(true);
    m_close->setFocusPolicy(Qt::NoFocus);
    m_close->setCursor(Qt::PointingHandCursor);
    m_close->setStyleSheet(QStringLiteral("color: #0000c0; text-decoration: underline;"));
    connect(m_close, &QPushButton::clicked, this, &HelpPopup::done);

    // Takes the focus while the popup is open; losing it closes the popups.
    m_focusHolder = new QWidget(this);
    m_focusHolder->setObjectName(QStringLiteral("KommentarChe%1").arg(number));
    m_focusHolder->setFocusPolicy(Qt::StrongFocus);
    m_focusHolder->setGeometry(0, 0, 1, 1);
    m_focusHolder->installEventFilter(this);
    hide();
}

void HelpPopup::setTexts(const QString& help, const QString& close)
{
    m_text->setText(help);
    m_text->setAccessibleName(help);
    m_close->setText(close);
    m_focusHolder->setAccessibleName(help);
}

// 1. left and top from the link; 3. the close link under the text, the height from it;
// 4. the focus to the focus holder.
void HelpPopup::open()
{
    const SettingsRules::PopupGeometry geometry = SettingsRules::helpPopup(m_number);
    m_close->setGeometry(
        twips::toPixels(QRect(105, geometry.closeTop, 5445, SettingsRules::closeLinkHeight)));
    setGeometry(twips::toPixels(QRect(geometry.left, geometry.top, popupWidth, geometry.height)));
    show();
    raise();
    m_focusHolder->setFocus(Qt::OtherFocusReason);
}

bool HelpPopup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_focusHolder && event->type() == QEvent::FocusOut && isVisible())
        emit done();
    return QFrame::eventFilter(watched, event);
}

} // namespace qb
