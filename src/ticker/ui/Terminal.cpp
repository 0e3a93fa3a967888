#include "Terminal.h"

#include "BandAnnouncer.h"
#include "TickerWindow.h"
#include "core/Settings.h"
#include "platform/Colour.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "ticker/TickerTexts.h"
#include "ticker/view/ClockFont.h"
#include "ticker/view/ClockText.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QTimer>

namespace qb {

namespace {

QLabel* makePanel(QWidget* parent, const QString& name)
{
    auto* panel = new QLabel(parent);
    panel->setObjectName(name);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    return panel;
}

void setColours(QWidget& widget, qint32 background, qint32 text)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour::toQColor(background));
    palette.setColor(QPalette::WindowText, colour::toQColor(text));
    widget.setPalette(palette);
}

QAction* makeSeparator(QMenu* menu, const QString& name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

} // namespace

Terminal::Terminal(Settings& settings, Platform& platform, Clock& clock, TickerFeed& feed,
                   QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), m_settings(settings), m_platform(platform),
      m_clock(clock), m_feed(feed)
{
    setObjectName(QStringLiteral("Terminal"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);

    m_datumPan = makePanel(this, QStringLiteral("DatumPan"));
    m_uhrPan = makePanel(this, QStringLiteral("UhrPan"));
    m_ticker = new TickerWindow;
    m_notizPan = QWidget::createWindowContainer(m_ticker, this);
    m_notizPan->setObjectName(QStringLiteral("NotizPan"));
    m_testPan1 = makePanel(this, QStringLiteral("TestPan1"));
    m_testPan2 = makePanel(this, QStringLiteral("TestPan2"));
    m_testPan1->hide();
    m_testPan2->hide();
    m_announcer = new BandAnnouncer(this);
    for (QObject* panel : {static_cast<QObject*>(m_datumPan), static_cast<QObject*>(m_uhrPan),
                           static_cast<QObject*>(m_ticker)})
        panel->installEventFilter(this);

    buildMenu();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(timerInterval);
    connect(m_timer1, &QTimer::timeout, this, &Terminal::tick);
    m_updateTim = new QTimer(this);
    m_updateTim->setObjectName(QStringLiteral("UpdateTim"));
    m_updateTim->setInterval(updateDelay);
    m_updateTim->setSingleShot(true);
    connect(m_updateTim, &QTimer::timeout, this, &Terminal::updateCheckDue);

    // Loading: captions, step, and a rebuild of the text at the first tick.
    SpracheEinstellen();
    m_scroll.setSchritt(m_settings.Speed);
    m_feed.requestRebuild();
    MachLayout();
    // The layer is set before the window exists: a change of it between creating and
    // showing makes the window system re-create the band's window, losing the ticker's.
    applyTopmost();
    m_timer1->start();
    m_updateTim->start();
}

Terminal::~Terminal() = default;

void Terminal::buildMenu()
{
    m_kontextMen = new QMenu(this);
    m_kontextMen->setObjectName(QStringLiteral("KontextMen"));
    const auto add = [this](const QString& name, void (Terminal::*command)()) {
        QAction* action = m_kontextMen->addAction(QString());
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    m_neuMen = add(QStringLiteral("NeuMen"), &Terminal::newNoteCommand);
    m_strich1 = makeSeparator(m_kontextMen, QStringLiteral("Strich1"));
    m_verwaltungMen = add(QStringLiteral("VerwaltungMen"), &Terminal::administrationCommand);
    m_strich3 = makeSeparator(m_kontextMen, QStringLiteral("Strich3"));
    m_einstellungenMen = add(QStringLiteral("EinstellungenMen"), &Terminal::settingsCommand);
    m_hilfeMen = add(QStringLiteral("HilfeMen"), &Terminal::helpCommand);
    m_aboutMen = add(QStringLiteral("AboutMen"), &Terminal::aboutRequested);
    m_strich2 = makeSeparator(m_kontextMen, QStringLiteral("Strich2"));
    m_endeMen = add(QStringLiteral("EndeMen"), &Terminal::endRequested);
}

void Terminal::SpracheEinstellen()
{
    const qint16 sprache = m_settings.Sprache;
    if (!isSprache(sprache))
        return;
    m_neuMen->setText(tickerText(TickerText::NeuMen, sprache));
    m_verwaltungMen->setText(tickerText(TickerText::VerwaltungMen, sprache));
    m_einstellungenMen->setText(tickerText(TickerText::EinstellungenMen, sprache));
    m_hilfeMen->setText(tickerText(TickerText::HilfeMen, sprache));
    m_aboutMen->setText(tickerText(TickerText::AboutMen, sprache));
    m_endeMen->setText(tickerText(TickerText::EndeMen, sprache));
}

void Terminal::MachLayout()
{
    m_inLayout = true;
    m_laidOut = layoutSettings();
    const int size = std::max<int>(1, m_settings.SchriftGroesse);

    // 1. The measuring panels: ticker font without italics.
    QFont measureFont(m_settings.SchriftName);
    measureFont.setPointSize(size);
    measureFont.setBold(m_settings.SchriftFett);
    m_testPan1->setFont(measureFont);
    m_testPan2->setFont(measureFont);

    // 2.-5. The window's font, the height of "test" in it, and the numbers from there.
    QFont windowFont(m_settings.SchriftName);
    windowFont.setPointSize(size);
    setFont(windowFont);
    const int textHeight = twips::fromPixels(QFontMetrics(windowFont).height());
    m_laidOutScreen = m_platform.screenGeometry();
    const QRect& screen = m_laidOutScreen;
    m_layout = BandLayout::compute(m_settings, twips::fromPixels(screen), textHeight);

    // 6.-8. Panels.
    // The date and clock panels keep the size the layout gives them: a new text each
    // second then asks no layout of the band (a fixed size posts no layout request).
    for (const auto& [panel, rect] :
         {std::pair{m_datumPan, m_layout.datumRect}, std::pair{m_uhrPan, m_layout.uhrRect}}) {
        const QRect pixels = twips::toPixels(rect);
        panel->setFixedSize(pixels.size());
        panel->move(pixels.topLeft());
    }
    m_notizPan->setGeometry(twips::toPixels(m_layout.notizRect));
    for (QLabel* panel : {m_datumPan, m_uhrPan}) {
        panel->setFrameStyle(m_layout.bevel ? QFrame::Panel | QFrame::Raised : QFrame::NoFrame);
        panel->setVisible(m_layout.clockVisible);
    }
    fitClockFont();

    // 9.-10. Font of the band (drawn by the picture, see tick) and colours.
    m_ticker->setTextTop(twips::toPixels(m_layout.textY));
    setColours(*m_datumPan, m_settings.uhrHgFarbe, m_settings.UhrSchriftFarbe);
    setColours(*m_uhrPan, m_settings.uhrHgFarbe, m_settings.UhrSchriftFarbe);
    setColours(*this, m_settings.fensterHgFarbe, m_settings.UhrSchriftFarbe);

    // 11. Docking.
    setGeometry(twips::toPixels(QRect(m_layout.windowLeft, m_layout.windowTop, m_layout.windowWidth,
                                      m_layout.windowHeight)));

    // 12. Measuring panels out of sight.
    const int measureTop = twips::toPixels(m_layout.measureTop);
    m_testPan1->move(0, measureTop);
    m_testPan2->move(0, measureTop);

    // 13. The text starts again at the left.
    m_scroll.restart();

    // 14. Rights of the note commands.
    for (QAction* action : {m_neuMen, m_strich1, m_verwaltungMen, m_strich3})
        action->setEnabled(m_settings.eigeneErlauben);
    m_inLayout = false;
    emit laidOut();
}

// The date and clock keep their widths: their font shrinks until both texts fit.
void Terminal::fitClockFont()
{
    const QFont font = ClockFont::fitting(this->font(), m_locale, m_datumPan->contentsRect().size(),
                                          m_uhrPan->contentsRect().size());
    m_datumPan->setFont(font);
    m_uhrPan->setFont(font);
}

void Terminal::FormAktiv(bool on)
{
    m_formAktiv = on;
    for (QWidget* control :
         {static_cast<QWidget*>(m_datumPan), static_cast<QWidget*>(m_uhrPan),
          static_cast<QWidget*>(m_notizPan), static_cast<QWidget*>(m_kontextMen)})
        control->setEnabled(on);
}

void Terminal::UhrStellen(const QDateTime& now)
{
    // The texts change once a second: the other ticks of that second skip the formatting.
    const ClockKey key{now.date().toJulianDay() * 86400 + now.time().msecsSinceStartOfDay() / 1000,
                       m_settings.Sprache};
    if (key == m_clockShown)
        return;
    m_clockShown = key;
    const QString date = ClockText::date(now, m_settings.Sprache, m_locale);
    if (m_datumPan->text() != date)
        m_datumPan->setText(date);
    const QString time = ClockText::time(now, m_settings.Sprache, m_locale);
    if (m_uhrPan->text() != time)
        m_uhrPan->setText(time);
}

} // namespace qb
