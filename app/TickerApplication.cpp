#include "TickerApplication.h"

#include "TerminalBand.h"

#include "admin/ui/Verwaltung.h"
#include "core/AppContext.h"
#include "core/FileRoutines.h"
#include "dialogs/ui/About.h"
#include "dialogs/ui/BubbleHost.h"
#include "dialogs/ui/FliegBubble.h"
#include "dialogs/ui/Intro.h"
#include "dialogs/ui/QuestionHost.h"
#include "editor/ui/Notizen.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "platform/wayland/LayerSurface.h"
#include "settings/ui/NetzConnect.h"
#include "settings/ui/SettingsCommand.h"
#include "ticker/TickerContent.h"
#include "ticker/TickerTexts.h"
#include "ticker/ui/BandDock.h"
#include "ticker/ui/BandLayer.h"
#include "ticker/ui/Terminal.h"
#include "ticker/ui/TerminalNoticeBoard.h"
#include "update/ui/UpdateCycle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace qb {

namespace {

// How long the start waits at most for the intro to reach the screen, in milliseconds.
constexpr int introExposeLimit = 1000;
// How long after the band is shown the first start says that it cannot dock, in milliseconds.
constexpr int dockNoticeDelay = 1500;

} // namespace

TickerApplication::TickerApplication(AppContext& context, Platform& platform, Clock& clock)
    : m_context(context), m_platform(platform), m_clock(clock),
      m_bubbles(std::make_unique<BubbleHost>(platform))
{
}

TickerApplication::~TickerApplication() = default;

void TickerApplication::showIntro()
{
    m_intro = std::make_unique<Intro>(m_context.settings.Sprache, m_platform,
                                      ProgramValues::ProgrammVersion);
    m_intro->show();
    // The start pauses next without processing events: the picture must be on the screen
    // before, which takes the window system a few round trips.
    QElapsedTimer waited;
    waited.start();
    while (!m_intro->windowHandle()->isExposed() && waited.elapsed() < introExposeLimit)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    m_intro->repaint();
}

void TickerApplication::closeIntro()
{
    m_intro.reset();
}

void TickerApplication::showConnecting()
{
    m_connecting = std::make_unique<NetzConnect>(m_context.settings, m_platform);
    m_connecting->show();
    processEvents();
}

void TickerApplication::closeConnecting()
{
    m_connecting.reset();
}

void TickerApplication::showTicker()
{
    NoticeBoard& notices = *this;
    m_content = std::make_unique<TickerContent>(m_context, m_platform, notices, &DateiVorhanden);
    m_terminal = std::make_unique<Terminal>(m_context.settings, m_platform, m_clock, *m_content);
    m_notices = std::make_unique<TerminalNoticeBoard>(m_context.settings, *m_terminal, *m_bubbles);
    m_bubbles->setFallbackAnchor(m_terminal.get());
    QObject::connect(m_terminal.get(), &Terminal::endRequested, m_terminal.get(),
                     [this] { end(); });
    QObject::connect(m_terminal.get(), &Terminal::newNoteRequested, m_terminal.get(), [this] {
        Notizen editor(noteWindowContext(), false);
        editor.exec();
    });
    QObject::connect(m_terminal.get(), &Terminal::administrationRequested, m_terminal.get(),
                     [this] {
                         Verwaltung administration(noteWindowContext());
                         administration.exec();
                     });
    QObject::connect(m_terminal.get(), &Terminal::aboutRequested, m_terminal.get(),
                     [this] { showAbout(); });
    connectSettings();
    m_updates = std::make_unique<UpdateCycle>(
        m_context, m_platform, m_clock,
        UpdateCycle::Band{*m_terminal, *m_content, *m_questions, *m_notices},
        [] { QApplication::exit(0); });
    const bool layered = dockBand();
    m_terminal->show();
    // Once the window manager has shown and activated the band, which raises it: a bubble
    // shown earlier would end up under the band.
    if (!m_context.settings.erstVorbei && !layered && !m_platform.honoursStrut())
        QTimer::singleShot(dockNoticeDelay, m_terminal.get(), [this] {
            m_notices->showNotice(
                tickerText(TickerText::NoDock, m_context.settings.Sprache, Otherwise::English));
        });
    if (!m_waitingCommand.isEmpty())
        QTimer::singleShot(0, m_terminal.get(), [this] { runWaitingCommand(); });
}

bool TickerApplication::dockBand()
{
    // The band's window owns its dock. A compositor with a layer shell docks a strip of the
    // band's own; any other keeps the band's window in its strip by the window manager's
    // hints, as does a compositor that takes the strip away.
    // The strip stands in for the band's window on XWayland; a Wayland or an offscreen
    // platform of Qt's own has no use for it.
    std::unique_ptr<LayerSurface> strip = QGuiApplication::platformName() == QLatin1String("xcb")
                                              ? LayerSurface::open(QByteArrayLiteral("quillaband"))
                                              : nullptr;
    if (!strip) {
        new BandDock(*m_terminal, m_context.settings, m_platform);
        return false;
    }
    auto* layer = new BandLayer(*m_terminal, m_context.settings, std::move(strip));
    m_bubbles->setBesideLayerStrip(true);
    QObject::connect(layer, &BandLayer::lost, m_terminal.get(), [this] {
        m_bubbles->setBesideLayerStrip(false);
        new BandDock(*m_terminal, m_context.settings, m_platform);
    });
    return true;
}

NoteWindowContext TickerApplication::noteWindowContext() const
{
    return {m_context.settings,
            m_platform,
            m_clock,
            m_context.localNotizen,
            twips::fromPixels(m_terminal->y() - m_platform.screenGeometry().top()),
            QLocale()};
}

void TickerApplication::showAbout()
{
    About about(m_context.settings, m_platform, ProgramValues::ProgrammVersion,
                m_terminal->geometry());
    about.exec();
}

void TickerApplication::connectSettings()
{
    const auto pause = [this](double seconds) { this->pause(seconds); };
    m_questions = std::make_unique<QuestionHost>(m_platform, m_context.settings, pause);
    m_questions->setBand(m_terminal.get());
    m_band = std::make_unique<TerminalBand>(*m_terminal, *m_content, m_platform);
    m_settingsCommand = std::make_unique<SettingsCommand>(m_context, m_platform, *m_band,
                                                          *m_bubbles, *m_questions, pause);
    QObject::connect(m_terminal.get(), &Terminal::settingsRequested, m_terminal.get(),
                     [this] { m_settingsCommand->run(); });
}

void TickerApplication::processEvents()
{
    QApplication::processEvents();
}

void TickerApplication::pause(double seconds)
{
    Pause(seconds, m_clock, [] { QThread::msleep(10); });
}

void TickerApplication::showNetworkNotice(const QString& text)
{
    if (m_notices)
        m_notices->showNetworkNotice(text);
}

bool TickerApplication::noticeVisible() const
{
    return m_notices && m_notices->noticeVisible();
}

void TickerApplication::closeNotice()
{
    if (m_notices)
        m_notices->closeNotice();
}

void TickerApplication::raiseBand()
{
    // Before the band exists the start itself brings it up.
    if (!m_terminal)
        return;
    m_terminal->show();
    m_terminal->raise();
    if (QWidget* window = QApplication::activeModalWidget()) {
        window->raise();
        window->activateWindow();
    }
}

void TickerApplication::runCommand(const QString& command)
{
    if (!m_terminal) {
        m_waitingCommand = command;
        return;
    }
    const bool busy = QApplication::activeModalWidget() || QApplication::activePopupWidget() ||
                      !m_terminal->acceptsCommands();
    if (busy || command == QLatin1String("raise"))
        raiseBand();
    else if (command == QLatin1String("new-note"))
        m_terminal->newNoteCommand();
    else if (command == QLatin1String("notes"))
        m_terminal->administrationCommand();
    else if (command == QLatin1String("settings"))
        m_terminal->settingsCommand();
    else if (command == QLatin1String("about"))
        showAbout();
    else if (command == QLatin1String("quit"))
        end();
}

void TickerApplication::runWaitingCommand()
{
    runCommand(std::exchange(m_waitingCommand, QString()));
}

void TickerApplication::end()
{
    QFile::remove(QStringLiteral("nefe"));
    QApplication::exit(0);
}

} // namespace qb
