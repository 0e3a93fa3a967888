#include "Einstellungen.h"

#include "HelpPopup.h"
#include "PreviewPanel.h"
#include "dialogs/ui/MeldungPan.h"
#include "platform/Colour.h"
#include "platform/Twips.h"
#include "settings/SettingsRules.h"
#include "settings/SettingsTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace qb {

namespace {

template <class Control> Control* make(QWidget* parent, const QString& name, const QRect& rect)
{
    auto* control = new Control(parent);
    control->setObjectName(name);
    control->setGeometry(twips::toPixels(rect));
    return control;
}

QRadioButton* option(QButtonGroup* group, int id, QWidget* parent, const QString& name,
                     const QRect& rect)
{
    auto* button = make<QRadioButton>(parent, name, rect);
    group->addButton(button, id);
    return button;
}

// An open eye, drawn for the show/hide button.
QIcon eyeIcon()
{
    QPixmap picture(20, 14);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath lid;
    lid.moveTo(1, 7);
    lid.quadTo(10, -3, 19, 7);
    lid.quadTo(10, 17, 1, 7);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawPath(lid);
    painter.setBrush(QColor(40, 90, 160));
    painter.drawEllipse(QPointF(10, 7), 3.5, 3.5);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(10, 7), 1.5, 1.5);
    return QIcon(picture);
}

void setText(QAbstractButton* button, const QString& text)
{
    button->setText(text);
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
}

} // namespace

void Einstellungen::build()
{
    setObjectName(QStringLiteral("Einstellungen"));
    setFixedSize(twips::toPixels(SettingsRules::windowWidth),
                 twips::toPixels(SettingsRules::windowHeight));
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, colour::toQColor(12632256));
    // Disabled captions stay readable on the grey ground.
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        grey.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    setPalette(grey);
    // The layout's twips were made for a face of about 8 points.
    QFont face = font();
    face.setPointSizeF(7.5);
    setFont(face);

    buildSysopGroup();
    buildDisplayGroups();
    buildBroadcastGroup();
    buildElementGroup();
    buildFoot();
    // The popups lie over the groups.
    for (int n = 1; n <= 2; ++n) {
        m_kommentarPan[n - 1] = new HelpPopup(n, this);
        connect(m_kommentarPan[n - 1], &HelpPopup::done, this, &Einstellungen::closeHelp);
    }
    // Clicks on the ground, the hint and message lines, labels and groups close the popups.
    for (QWidget* ground :
         {static_cast<QWidget*>(m_hinweisPan), static_cast<QWidget*>(m_meldungPan)})
        ground->installEventFilter(this);
    for (QWidget* ground : m_zzzPanel)
        ground->installEventFilter(this);
    for (QWidget* ground : m_legendePan)
        ground->installEventFilter(this);
}

QFrame* Einstellungen::group(int n, const QRect& twipsRect)
{
    auto* frame = make<QFrame>(this, QStringLiteral("zzzPanel%1").arg(n), twipsRect);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_zzzPanel[n] = frame;
    return frame;
}

QLabel* Einstellungen::legend(int n, QWidget* parent, const QRect& twipsRect)
{
    auto* label = make<QLabel>(parent, QStringLiteral("LegendePan%1").arg(n), twipsRect);
    label->setWordWrap(true);
    m_legendePan[n] = label;
    return label;
}

void Einstellungen::buildSysopGroup()
{
    QFrame* sysop = group(1, SettingsRules::zzzPanel1);
    m_sysopStatusChe =
        make<QCheckBox>(sysop, QStringLiteral("SysopStatusChe"), QRect(105, 75, 2130, 285));
    m_hilfePan[0] = make<QPushButton>(sysop, QStringLiteral("HilfePan1"), SettingsRules::hilfePan1);
    legend(3, sysop, QRect(105, 480, 810, 285));
    m_passwortTex =
        make<QLineEdit>(sysop, QStringLiteral("PasswortTex"), SettingsRules::passwortTex);
    m_passwortTex->setMaxLength(100);
    m_passwortTex->setEchoMode(QLineEdit::Password);
    m_legendePan[3]->setBuddy(m_passwortTex);
    m_augePan = make<QToolButton>(sysop, QStringLiteral("AugePan"), QRect(3675, 420, 480, 405));
    m_augePan->setIcon(eyeIcon());
    m_augePan->setAutoRaise(true);

    QFrame* language = group(4, QRect(4455, 90, 1725, 945));
    m_spracheOpt = new QButtonGroup(this);
    setText(option(m_spracheOpt, 1, language, QStringLiteral("SpracheOpt1"),
                   QRect(150, 165, 1450, 285)),
            QStringLiteral("English"));
    setText(option(m_spracheOpt, 2, language, QStringLiteral("SpracheOpt2"),
                   QRect(150, 510, 1450, 285)),
            QStringLiteral("Deutsch"));
}

void Einstellungen::buildDisplayGroups()
{
    QFrame* onTop = group(0, QRect(75, 1050, 2940, 495));
    m_onTopChe = make<QCheckBox>(onTop, QStringLiteral("OnTopChe"), QRect(150, 105, 2700, 285));

    QFrame* dock = group(5, QRect(75, 1560, 2940, 825));
    m_dockPosOpt = new QButtonGroup(this);
    option(m_dockPosOpt, 0, dock, QStringLiteral("DockPosOpt0"), QRect(150, 120, 2700, 285));
    option(m_dockPosOpt, 1, dock, QStringLiteral("DockPosOpt1"), QRect(150, 435, 2700, 285));

    QFrame* speed = group(6, QRect(3030, 1050, 3150, 1335));
    legend(4, speed, QRect(150, 90, 2850, 285));
    m_speedOpt = new QButtonGroup(this);
    option(m_speedOpt, 30, speed, QStringLiteral("SpeedOpt30"), QRect(300, 405, 2700, 285));
    option(m_speedOpt, 15, speed, QStringLiteral("SpeedOpt15"), QRect(300, 690, 2700, 285));
    option(m_speedOpt, 5, speed, QStringLiteral("SpeedOpt5"), QRect(300, 975, 2700, 285));
}

void Einstellungen::buildBroadcastGroup()
{
    QFrame* broadcast = group(2, SettingsRules::zzzPanel2);
    m_broadcastStatusChe =
        make<QCheckBox>(broadcast, QStringLiteral("BroadcastStatusChe"), QRect(105, 75, 2850, 285));
    m_hilfePan[1] =
        make<QPushButton>(broadcast, QStringLiteral("HilfePan2"), SettingsRules::hilfePan2);
    legend(0, broadcast, QRect(375, 420, 5565, 285));
    m_broadcastPfadPan = make<QPushButton>(broadcast, QStringLiteral("BroadcastPfadPan"),
                                           SettingsRules::broadcastPfadPan);
    m_broadcastPfadPan->setStyleSheet(QStringLiteral("text-align: left; padding-left: 4px;"));
    legend(1, broadcast, QRect(375, 1080, 5565, 285));
    m_broadcastMasterChe = make<QCheckBox>(broadcast, QStringLiteral("BroadcastMasterChe"),
                                           QRect(105, 1440, 5900, 285));
    legend(2, broadcast, QRect(375, 1725, 5565, 285));
    m_eigeneChe =
        make<QCheckBox>(broadcast, QStringLiteral("EigeneChe"), QRect(105, 2130, 5900, 285));
    QFont small = font();
    small.setPointSize(7);
    for (QLabel* hint : {m_legendePan[1], m_legendePan[2]})
        hint->setFont(small);
    // The help link follows close behind the box.
    m_broadcastStatusChe->setFont(small);
    for (QPushButton* link : m_hilfePan) {
        link->setFont(small);
        link->setFlat(true);
        link->setCursor(Qt::PointingHandCursor);
        link->setStyleSheet(QStringLiteral("color: #0000c0; text-align: left;"));
    }
}

void Einstellungen::buildElementGroup()
{
    QFrame* elements = group(3, QRect(75, 4950, 6105, 2805));
    const QRect buttons[3] = {{75, 90, 2505, 420}, {75, 570, 2505, 420}, {2640, 570, 2505, 420}};
    for (int k = 0; k < 3; ++k) {
        m_farbWahlBef[k] =
            make<QPushButton>(elements, QStringLiteral("FarbWahlBef%1").arg(k + 1), buttons[k]);
        m_farbWahlBef[k]->hide();
    }
    m_schriftWahlBef =
        make<QPushButton>(elements, QStringLiteral("SchriftWahlBef"), QRect(2640, 90, 810, 420));
    m_schriftWahlBef->hide();
    m_zeigDatumChe =
        make<QCheckBox>(elements, QStringLiteral("ZeigDatumChe"), QRect(3780, 15, 2250, 240));
    m_zeigRandChe =
        make<QCheckBox>(elements, QStringLiteral("ZeigRandChe"), QRect(3780, 240, 2250, 240));
    m_preview = new PreviewPanel(elements);
}

void Einstellungen::buildFoot()
{
    m_hinweisPan = make<QLabel>(this, QStringLiteral("HinweisPan"), QRect(75, 7770, 6105, 360));
    m_hinweisPan->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_hinweisPan->setAlignment(Qt::AlignCenter);
    m_meldungPan = make<QLabel>(this, QStringLiteral("MeldungPan"), QRect(60, 8220, 6105, 345));
    m_meldungPan->setAlignment(Qt::AlignCenter);
    m_meldungPan->setWordWrap(true);
    MeldungPanLeeren(*m_meldungPan);
    m_speichernBef =
        make<QPushButton>(this, QStringLiteral("SpeichernBef"), QRect(6285, 7350, 1845, 360));
    m_abbrechenBef =
        make<QPushButton>(this, QStringLiteral("AbbrechenBef"), QRect(6285, 7770, 1845, 360));
    m_standardBef =
        make<QPushButton>(this, QStringLiteral("StandardBef"), QRect(6285, 8205, 1845, 360));
}

void Einstellungen::showMessage(const QString& text)
{
    MeldungPanSetzen(*m_meldungPan, text, meldungRot);
    const int lineHeight = twips::toPixels(345);
    // A little room below the last line, as the single line has.
    const int needed =
        std::max(lineHeight, m_meldungPan->heightForWidth(m_meldungPan->width()) + 4);
    m_meldungPan->resize(m_meldungPan->width(), needed);
    setFixedSize(width(), twips::toPixels(SettingsRules::windowHeight) + needed - lineHeight);
}

// The caption routine: every caption in the working language; other values change nothing.
void Einstellungen::Beschriften()
{
    if (const std::optional<SettingsCaptions> found =
            SettingsCaptions::forLanguage(m_working.Sprache))
        applyCaptions(*found);
}

void Einstellungen::applyCaptions(const SettingsCaptions& c)
{
    setWindowTitle(c.title);
    setText(m_onTopChe, c.onTop);
    setText(m_dockPosOpt->button(0), c.dockAbove);
    setText(m_dockPosOpt->button(1), c.dockBelow);
    m_preview->setCaptions(c.frame, c.swatchDate, c.swatchLocal, c.swatchBroadcast);
    setText(m_schriftWahlBef, c.font);
    setText(m_standardBef, c.reset);
    m_standardBef->setToolTip(c.resetTip);
    setText(m_speichernBef, c.save);
    setText(m_abbrechenBef, c.cancel);
    m_hinweisPan->setText(c.hint);
    m_hinweisPan->setAccessibleName(c.hint);
    for (QPushButton* link : m_hilfePan)
        setText(link, c.helpLink);
    setText(m_sysopStatusChe, c.sysop);
    m_legendePan[3]->setText(c.password);
    m_passwortTex->setAccessibleName(c.password);
    setText(m_broadcastStatusChe, c.receiver);
    m_legendePan[0]->setText(c.pathLabel);
    m_legendePan[1]->setText(c.pathHint);
    m_broadcastPfadPan->setToolTip(c.pathTip);
    m_broadcastPfadPan->setAccessibleName(c.pathLabel);
    setText(m_broadcastMasterChe, c.adopt);
    m_legendePan[2]->setText(c.adoptHint);
    setText(m_eigeneChe, c.ownNotes);
    setText(m_zeigDatumChe, c.showDate);
    setText(m_zeigRandChe, c.showMargin);
    m_kommentarPan[0]->setTexts(c.help1, c.close);
    m_kommentarPan[1]->setTexts(c.help2, c.close);
    m_legendePan[4]->setText(c.speedLabel);
    setText(m_speedOpt->button(30), c.speedNormal);
    setText(m_speedOpt->button(15), c.speedSlow);
    setText(m_speedOpt->button(5), c.speedVerySlow);
    m_augePan->setToolTip(c.eyeTip);
    m_augePan->setAccessibleName(c.eyeTip);
    for (QLabel* label : m_legendePan)
        label->setAccessibleName(label->text());
}

} // namespace qb
