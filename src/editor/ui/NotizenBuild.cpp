// The note editor's controls and their places.

#include "editor/ui/Notizen.h"

#include "core/Settings.h"
#include "dialogs/ui/MeldungPan.h"
#include "editor/EditorCaptions.h"
#include "editor/EditorPlacement.h"
#include "editor/ui/InputField.h"
#include "platform/Platform.h"
#include "platform/Twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

namespace qb {

namespace {

const QString digits = QStringLiteral("0123456789");
const QString dateCharacters = QStringLiteral("0123456789.");
const QString timeCharacters = QStringLiteral("0123456789:");

QFrame* panel(const QString& name, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return frame;
}

template <class Button> Button* button(const QString& name, const QString& text, QWidget* parent)
{
    auto* made = new Button(text, parent);
    made->setObjectName(name);
    return made;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets)
{
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return layout;
}

// Hidden panels keep their room, so the window keeps its size and place.
void keepRoomWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

QString Notizen::caption(const QString& name) const
{
    return editorCaption(name, m_sprache);
}

QLabel* Notizen::zzzPanel(int number, QWidget* parent)
{
    const QString name = QStringLiteral("zzzPanel(%1)").arg(number);
    auto* label = new QLabel(caption(name), parent);
    label->setObjectName(name);
    return label;
}

InputField* Notizen::field(const QString& name, const QString& accepted, int maxLength,
                           const QString& accessibleName, QWidget* parent)
{
    auto* made = new InputField(name, accepted, maxLength, parent);
    made->setAccessibleName(accessibleName);
    const int characters = std::min(maxLength, 10);
    made->setFixedWidth(made->fontMetrics().horizontalAdvance(QString(characters, u'0')) + 12);
    return made;
}

// "Starting [days] days earlier": the label numbered `label` and the one after it.
InputField* Notizen::advanceRow(QVBoxLayout* layout, int label, const QString& name)
{
    QWidget* frame = layout->parentWidget();
    QLabel* before = zzzPanel(label, frame);
    InputField* days = field(name, digits, 3, before->text(), frame);
    layout->addLayout(row({before, days, zzzPanel(label + 1, frame)}));
    return days;
}

// "First time on [date]".
InputField* Notizen::firstDateRow(QVBoxLayout* layout, int label, const QString& name)
{
    QWidget* frame = layout->parentWidget();
    QLabel* before = zzzPanel(label, frame);
    // Ten characters make a date; the field takes more, so that an overlong year is refused
    // as a whole instead of being cut to four digits.
    InputField* date = field(name, dateCharacters, 16, before->text(), frame);
    layout->addLayout(row({before, date}));
    return date;
}

void Notizen::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    layout->addWidget(buildNotizPan());
    layout->addWidget(buildZeitArtPan());
    layout->addWidget(m_zeitPan = buildZeitPan());
    layout->addWidget(m_rhythmusPan = buildRhythmusPan());

    m_details = new QStackedWidget(this);
    m_details->setObjectName(QStringLiteral("RhyArtPans"));
    m_details->addWidget(new QWidget(m_details)); // no details: daily, permanent
    m_rhyArtPan = {buildWeeklyPanel(), buildMonthlyPanel(), buildYearlyPanel()};
    for (QFrame* details : m_rhyArtPan)
        m_details->addWidget(details);
    layout->addWidget(m_details);
    for (QWidget* hideable :
         {static_cast<QWidget*>(m_zeitPan), static_cast<QWidget*>(m_rhythmusPan),
          static_cast<QWidget*>(m_details)})
        keepRoomWhenHidden(hideable);

    m_meldungPan = new QLabel(this);
    m_meldungPan->setObjectName(QStringLiteral("MeldungPan"));
    m_meldungPan->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_meldungPan->setWordWrap(true);
    m_meldungPan->setAlignment(Qt::AlignCenter);
    m_meldungPan->setMinimumHeight(2 * m_meldungPan->fontMetrics().height() + 6);
    MeldungPanLeeren(*m_meldungPan);
    layout->addWidget(m_meldungPan);

    m_okBef = button<QPushButton>(QStringLiteral("OkBef"), caption(QStringLiteral("OkBef")), this);
    m_abbrechenBef = button<QPushButton>(QStringLiteral("AbbrechenBef"),
                                         caption(QStringLiteral("AbbrechenBef")), this);
    // Enter is no shortcut for a button here: it is ignored in the note text. A click on a
    // button leaves the focus in its field: the save checks every field itself, and
    // cancelling must not run a field's check.
    for (QPushButton* bef : {m_okBef, m_abbrechenBef}) {
        bef->setAutoDefault(false);
        bef->setFocusPolicy(Qt::TabFocus);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_okBef);
    buttons->addWidget(m_abbrechenBef);
    layout->addLayout(buttons);
}

QFrame* Notizen::buildNotizPan()
{
    QFrame* frame = panel(QStringLiteral("NotizPan"), this);
    m_notiz = new QPlainTextEdit(frame);
    m_notiz->setObjectName(QStringLiteral("Notiz"));
    m_notiz->setAccessibleName(caption(QStringLiteral("Notiz")));
    m_notiz->setTabChangesFocus(true);
    m_notiz->setFixedHeight(3 * m_notiz->fontMetrics().lineSpacing() + 12);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(m_notiz);
    return frame;
}

QFrame* Notizen::buildZeitArtPan()
{
    QFrame* frame = panel(QStringLiteral("ZeitArtPan"), this);
    auto* layout = new QVBoxLayout(frame);
    for (int i = 0; i < 2; ++i) {
        const QString name = QStringLiteral("ZeitArtOpt(%1)").arg(i);
        m_zeitArtOpt[i] = button<QRadioButton>(name, caption(name), frame);
        layout->addWidget(m_zeitArtOpt[i]);
    }
    return frame;
}

QFrame* Notizen::buildZeitPan()
{
    QFrame* frame = panel(QStringLiteral("ZeitPan"), this);
    for (int i = 0; i < 2; ++i) {
        const QString name = QStringLiteral("UhrArtOpt(%1)").arg(i);
        m_uhrArtOpt[i] = button<QRadioButton>(name, caption(name), frame);
    }
    m_uhrzeit[0] = field(QStringLiteral("Uhrzeit(1)"), timeCharacters, 5,
                         caption(QStringLiteral("UhrArtOpt(1)")), frame);
    QLabel* bis = zzzPanel(25, frame);
    m_uhrzeit[1] = field(QStringLiteral("Uhrzeit(2)"), timeCharacters, 5, bis->text(), frame);
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(row({m_uhrArtOpt[0]}));
    layout->addLayout(row({m_uhrArtOpt[1], m_uhrzeit[0], bis, m_uhrzeit[1], zzzPanel(26, frame)}));
    return frame;
}

QFrame* Notizen::buildRhythmusPan()
{
    QFrame* frame = panel(QStringLiteral("RhythmusPan"), this);
    auto* layout = new QGridLayout(frame);
    for (int i = 0; i < 4; ++i) {
        const QString name = QStringLiteral("RhythmusOpt(%1)").arg(i + 1);
        m_rhythmusOpt[i] = button<QRadioButton>(name, caption(name), frame);
        layout->addWidget(m_rhythmusOpt[i], i / 2, i % 2);
    }
    return frame;
}

QFrame* Notizen::buildWeeklyPanel()
{
    QFrame* frame = panel(QStringLiteral("RhyArtPan(2)"), m_details);
    auto* layout = new QVBoxLayout(frame);
    auto* days = new QGridLayout;
    for (int i = 0; i < 7; ++i) {
        const QString name = QStringLiteral("WoTagChe(%1)").arg(i + 1);
        m_woTagChe[i] = button<QCheckBox>(name, caption(name), frame);
        days->addWidget(m_woTagChe[i], i % 4, i / 4);
    }
    layout->addLayout(days);
    m_erstDatumWoc = firstDateRow(layout, 0, QStringLiteral("ErstDatumWoc"));
    QLabel* dauer = zzzPanel(1, frame);
    m_dauerWoc = field(QStringLiteral("DauerWoc"), digits, 3, dauer->text(), frame);
    layout->addLayout(row({dauer, m_dauerWoc, zzzPanel(2, frame), zzzPanel(3, frame)}));
    layout->addStretch();
    return frame;
}

QFrame* Notizen::buildMonthlyPanel()
{
    QFrame* frame = panel(QStringLiteral("RhyArtPan(3)"), m_details);
    auto* layout = new QVBoxLayout(frame);
    // Created in the order of the Tab key: day option, its day, weekday option, positions.
    auto* kinds = new QButtonGroup(frame);
    const auto kind = [&](int i) {
        const QString name = QStringLiteral("MonArtOpt(%1)").arg(i + 1);
        m_monArtOpt[i] = button<QRadioButton>(name, QString(), frame);
        m_monArtOpt[i]->setAccessibleName(caption(name));
        kinds->addButton(m_monArtOpt[i]);
    };
    kind(0);
    QLabel* jeden = zzzPanel(4, frame);
    m_tagZahlMon = field(QStringLiteral("TagZahlMon"), digits, 2, jeden->text(), frame);
    layout->addLayout(row({m_monArtOpt[0], jeden, m_tagZahlMon, zzzPanel(5, frame)}));
    kind(1);

    m_moPosGroup = new QButtonGroup(frame);
    auto* positions = new QGridLayout;
    positions->addWidget(m_monArtOpt[1], 0, 0);
    positions->addWidget(zzzPanel(7, frame), 0, 1);
    for (int i = 0; i < 5; ++i) {
        const QString name = QStringLiteral("MoPosOpt(%1)").arg(i + 1);
        m_moPosOpt[i] = button<QRadioButton>(name, caption(name), frame);
        m_moPosGroup->addButton(m_moPosOpt[i], i + 1);
        positions->addWidget(m_moPosOpt[i], i / 3, 2 + i % 3);
    }
    positions->setColumnStretch(5, 1);
    layout->addLayout(positions);
    m_woTagCom = new QComboBox(frame);
    m_woTagCom->setObjectName(QStringLiteral("WoTagCom"));
    m_woTagCom->addItems(weekdayNames(m_sprache));
    QLabel* desMonats = zzzPanel(6, frame);
    m_woTagCom->setAccessibleName(desMonats->text());
    auto* weekday = row({m_woTagCom, desMonats});
    weekday->insertSpacing(0, m_monArtOpt[1]->sizeHint().width() + 6);
    layout->addLayout(weekday);

    m_vorherMon = advanceRow(layout, 10, QStringLiteral("VorherMon"));
    m_erstDatumMon = firstDateRow(layout, 12, QStringLiteral("ErstDatumMon"));
    return frame;
}

QFrame* Notizen::buildYearlyPanel()
{
    QFrame* frame = panel(QStringLiteral("RhyArtPan(4)"), m_details);
    auto* layout = new QVBoxLayout(frame);
    auto* rows = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        QLabel* before = zzzPanel(13 + 2 * i, frame);
        m_tagZahlJahr[i] =
            field(QStringLiteral("TagZahlJahr(%1)").arg(i + 1), digits, 2, before->text(), frame);
        m_monatJah[i] = new QComboBox(frame);
        m_monatJah[i]->setObjectName(QStringLiteral("MonatJah(%1)").arg(i + 1));
        m_monatJah[i]->addItems(monthNames(m_sprache));
        m_monatJah[i]->setCurrentIndex(-1);
        QLabel* after = zzzPanel(14 + 2 * i, frame);
        m_monatJah[i]->setAccessibleName(after->text());
        rows->addWidget(before, i, 0);
        rows->addWidget(m_tagZahlJahr[i], i, 1);
        rows->addWidget(m_monatJah[i], i, 2);
        rows->addWidget(after, i, 3);
    }
    rows->setColumnStretch(4, 1);
    layout->addLayout(rows);
    m_vorherJah = advanceRow(layout, 21, QStringLiteral("VorherJah"));
    m_erstDatumJah = firstDateRow(layout, 23, QStringLiteral("ErstDatumJah"));
    layout->addStretch();
    return frame;
}

// 5040 twips wide; centred across the screen, above or below the band. The outer height
// counts (title bar included) once the window manager has framed the window.
void Notizen::place()
{
    const int width = twips::toPixels(widthTwips);
    setFixedWidth(width);
    layout()->activate();
    setFixedHeight(layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width)
                                                 : layout()->totalSizeHint().height());
    const QPoint topLeft = placement::notizen(
        twips::fromPixels(m_context.platform.screenGeometry()).size(), m_context.tickerTopTwips,
        QSize(widthTwips, twips::fromPixels(frameGeometry().height())));
    move(m_context.platform.screenPosition(topLeft.x(), topLeft.y()));
}

} // namespace qb
