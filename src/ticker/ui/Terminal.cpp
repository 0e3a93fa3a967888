#include "Terminal.h"

#include "BandAnnouncer.h"
#include "TickerWindow.h"
#include "core/ProgramValues.h"
#include "core/Settings.h"
#include "core/ShellRoutines.h"
#include "platform/Clock.h"
#include "platform/Colour.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "ticker/TickerTexts.h"
#include "ticker/view/BandText.h"
#include "ticker/view/ClockFont.h"
#include "ticker/view/ClockText.h"

#include <QAction>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
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

int twipsWidth(const QFont& font, const QString& text)
{
    return twips::fromPixels(QFontMetrics(font).horizontalAdvance(text));
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

QFont Terminal::bandFont() const
{
    QFont font(m_settings.SchriftName);
    font.setPointSize(std::max<int>(1, m_settings.SchriftGroesse));
    font.setBold(m_settings.SchriftFett);
    font.setItalic(m_settings.SchriftKursiv);
    return font;
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

void Terminal::tick()
{
    const QDateTime now = m_clock.now();
    m_feed.waitForNetwork(now);
    // Any change of the primary screen (narrower, wider, lower, moved) docks the band anew.
    if (m_platform.screenGeometry() != m_laidOutScreen)
        MachLayout();
    if (!m_uhrPan->isHidden())
        UhrStellen(now);
    const bool newText = m_feed.NotizMachen(now);
    // Settings adopted from a broadcaster that change the layout: a new layout, and the
    // text measured again in it. Unchanged settings leave the band alone.
    if (layoutSettings() != m_laidOut) {
        MachLayout();
        takeText();
    } else if (newText) {
        takeText();
    }
    draw();
}

Terminal::BandSettings Terminal::bandSettings() const
{
    return {m_settings.SchriftName,   m_settings.SchriftGroesse, m_settings.SchriftFett,
            m_settings.SchriftKursiv, m_settings.SchriftFarbe,   m_settings.SchriftFarbe2,
            m_settings.notizHgFarbe};
}

Terminal::LayoutSettings Terminal::layoutSettings() const
{
    BandSettings font = bandSettings();
    font.local = font.broadcast = font.background = 0;
    return {font,
            m_settings.zeigRahmen,
            m_settings.zeigDatum,
            m_settings.dockPos,
            m_settings.fensterHgFarbe,
            m_settings.uhrHgFarbe,
            m_settings.UhrSchriftFarbe,
            m_settings.eigeneErlauben};
}

// A new text: measured, its mode chosen, the band cleared and x back at the left.
void Terminal::takeText()
{
    // The band's work follows its shown texts, which are bounded, not the stored ones.
    m_entries.clear();
    m_anzeigeText.clear();
    for (const TickerEntry& entry : m_feed.entries()) {
        m_entries.append({entry.source, bandText(entry.text)});
        m_anzeigeText += m_entries.back().text + ProgramValues::Trenner;
    }
    if (const QString news = m_newNotes.take(m_entries, m_settings.Sprache); !news.isEmpty())
        m_announcer->announce(news);

    m_testPan2->setText(m_anzeigeText);
    // A screen reader reads the band's text from the panel that shows it.
    m_notizPan->setAccessibleName(m_anzeigeText.left(accessibleTextLength));
    m_textWidth = twipsWidth(m_testPan2->font(), m_anzeigeText);
    m_testPan2->resize(twips::toPixels(m_textWidth), m_testPan2->height());

    const QFont font = bandFont();
    const int bandFontWidth =
        font == m_testPan2->font() ? m_textWidth : twipsWidth(font, m_anzeigeText);
    m_scroll.setText(bandFontWidth, m_layout.notizRect.width());
    renderPicture();
    m_ticker->showCopies({});
}

void Terminal::renderPicture()
{
    m_rendered = bandSettings();
    const BandPicture::Style style{bandFont(), colour::toQColor(m_settings.SchriftFarbe),
                                   colour::toQColor(m_settings.SchriftFarbe2),
                                   colour::toQColor(m_settings.notizHgFarbe)};
    m_ticker->picture().setContent(m_entries, m_scroll.LaufModus() == TickerScroll::Scrolling,
                                   style);
}

void Terminal::draw()
{
    if (bandSettings() != m_rendered) {
        // Font or colours changed between ticks (e.g. adopted from the broadcaster).
        renderPicture();
        m_ticker->redraw();
    }
    if (m_anzeigeText.isEmpty()) {
        if (!m_ticker->copies().isEmpty())
            m_ticker->showCopies({});
        return;
    }
    const int copyWidth = twips::fromPixels(m_ticker->picture().copyWidth());
    const TickerScroll::Frame frame =
        m_scroll.step(m_layout.notizRect.width(), copyWidth, m_textWidth);
    if (!frame.redraw)
        return;
    QVector<int> copyX;
    copyX.reserve(frame.copyX.size());
    for (const int x : frame.copyX)
        copyX.append(twips::toPixels(x));
    m_ticker->showCopies(copyX);
}

bool Terminal::provided(void (Terminal::*command)()) const
{
    return isSignalConnected(QMetaMethod::fromSignal(command));
}

void Terminal::newNoteCommand()
{
    if (!m_settings.eigeneErlauben || !provided(&Terminal::newNoteRequested))
        return;
    // The hourglass over the whole band, the ticker's own window included.
    setCursor(Qt::WaitCursor);
    m_ticker->setCursor(Qt::WaitCursor);
    m_timer1->stop();
    emit newNoteRequested();
    m_timer1->start();
    m_feed.requestRebuild();
    m_ticker->unsetCursor();
    unsetCursor();
}

void Terminal::administrationCommand()
{
    if (!m_settings.eigeneErlauben || !provided(&Terminal::administrationRequested))
        return;
    m_timer1->stop();
    emit administrationRequested();
    m_feed.requestRebuild();
    m_timer1->start();
}

void Terminal::settingsCommand()
{
    if (!provided(&Terminal::settingsRequested))
        return;
    m_timer1->stop();
    FormAktiv(false);
    m_platform.setTopmost(*this, false);
    emit settingsRequested();
}

void Terminal::helpCommand()
{
    HilfeZeigen(m_platform, m_settings.Sprache);
}

void Terminal::popUpMenu(const QPoint& globalPosition)
{
    if (!m_formAktiv)
        return;
    // A command whose window the application does not provide cannot be chosen.
    m_neuMen->setEnabled(m_settings.eigeneErlauben && provided(&Terminal::newNoteRequested));
    m_verwaltungMen->setEnabled(m_settings.eigeneErlauben &&
                                provided(&Terminal::administrationRequested));
    m_einstellungenMen->setEnabled(provided(&Terminal::settingsRequested));
    m_aboutMen->setEnabled(provided(&Terminal::aboutRequested));
    m_kontextMen->popup(globalPosition);
}

void Terminal::applyTopmost()
{
    m_platform.setTopmost(*this, m_settings.ImmerOben);
}

bool Terminal::event(QEvent* event)
{
    // The layer holds from before the first show, not only from the first activation
    // (a window manager need not activate new windows). While the settings are open
    // (controls disabled) the band stays out of the top layer.
    if ((event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) && m_formAktiv)
        applyTopmost();
    return QWidget::event(event);
}

bool Terminal::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            popUpMenu(mouse->globalPosition().toPoint());
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonDblClick && watched == m_ticker) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && m_formAktiv)
            administrationCommand();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Terminal::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        popUpMenu(event->globalPosition().toPoint());
}

void Terminal::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!m_formAktiv)
        return;
    if (event->key() == Qt::Key_F1 && modifiers == Qt::NoModifier)
        helpCommand();
    else if (event->key() == Qt::Key_N && modifiers == Qt::ControlModifier)
        newNoteCommand();
    else if ((event->key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
             (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        // Where a right click in the middle of the band opens it; opened from the keyboard
        // its first usable entry is chosen, so the arrow keys start from a known place.
        popUpMenu(mapToGlobal(rect().center()));
        for (QAction* action : m_kontextMen->actions()) {
            if (m_kontextMen->isVisible() && action->isEnabled() && !action->isSeparator()) {
                m_kontextMen->setActiveAction(action);
                break;
            }
        }
    }
}

void Terminal::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A size that the layout did not set (the window system changed it): lay out again.
    if (!m_inLayout && width() != twips::toPixels(m_layout.windowWidth))
        MachLayout();
}

} // namespace qb
