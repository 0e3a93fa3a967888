#include "core/Settings.h"
#include "dialogs/ui/BubbleHost.h"
#include "platform/Clock.h"
#include "platform/qt/QtPlatform.h"
#include "settings/ui/NetzConnect.h"
#include "support/ScriptedPlatform.h"
#include "ticker/ui/Terminal.h"
#include "ticker/ui/TerminalNoticeBoard.h"
#include "ticker/ui/TickerWindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

using namespace qb;

// Content double: one entry of the given length, shown from the first step on.
class FixedFeed final : public TickerFeed
{
public:
    explicit FixedFeed(QVector<TickerEntry> entries) : m_entries(std::move(entries)) {}
    explicit FixedFeed(int characters)
    {
        const QString words = QStringLiteral("Quarterly figures are out; the canteen closes "
                                             "early on Friday; server maintenance at six. ");
        QString text;
        while (text.size() < characters)
            text += words;
        text.truncate(characters);
        m_entries = {{TickerSource::Local, text}, {TickerSource::Broadcast, words}};
    }
    void waitForNetwork(const QDateTime&) override {}
    bool NotizMachen(const QDateTime&) override { return std::exchange(m_changed, false); }
    const QVector<TickerEntry>& entries() const override { return m_entries; }
    void requestRebuild() override {}

private:
    QVector<TickerEntry> m_entries;
    bool m_changed = true;
};

Settings bandSettings()
{
    Settings settings;
    settings.Sprache = 1;
    settings.eigeneErlauben = true;
    settings.zeigDatum = true;
    settings.zeigRahmen = true;
    settings.SchriftName = Settings::defaultSchriftName;
    settings.SchriftGroesse = Settings::defaultSchriftGroesse;
    settings.SchriftFett = Settings::defaultSchriftFett;
    settings.SchriftFarbe = Settings::defaultSchriftFarbe;
    settings.SchriftFarbe2 = Settings::defaultSchriftFarbe2;
    settings.fensterHgFarbe = Settings::defaultFensterHgFarbe;
    settings.uhrHgFarbe = Settings::defaultUhrHgFarbe;
    settings.notizHgFarbe = Settings::defaultNotizHgFarbe;
    settings.Speed = Settings::defaultSpeed;
    return settings;
}

// Shows the band and waits until its ticker surface can be painted: from then on a tick
// paints into the surface's backing store as on the screen.
bool showBand(Terminal& terminal)
{
    terminal.show();
    QElapsedTimer waited;
    waited.start();
    while (!terminal.ticker().isExposed() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return terminal.ticker().isExposed();
}

// Ticks, painting included, of a band showing the feed's text, after ticksBefore ticks.
void measureTicks(benchmark::State& state, FixedFeed& feed, qint64 ticksBefore)
{
    Settings settings = bandSettings();
    test::ScriptedPlatform platform;
    FixedClock clock(QDateTime(QDate(2026, 3, 2), QTime(9, 0)));
    Terminal terminal(settings, platform, clock, feed);
    terminal.Timer1().stop();
    if (!showBand(terminal)) {
        state.SkipWithError("the band was not exposed");
        return;
    }
    for (qint64 tick = 0; tick < ticksBefore; ++tick)
        terminal.tick();
    for (auto _ : state)
        terminal.tick();
    state.counters["copies"] = static_cast<double>(terminal.ticker().copies().size());
    state.counters["tiles"] = terminal.ticker().picture().cachedTiles();
}

// range(0): characters of the long entry; range(1): ticks run before measuring.
void BM_TickWithPaint(benchmark::State& state)
{
    FixedFeed feed(static_cast<int>(state.range(0)));
    measureTicks(state, feed, std::max<qint64>(1, state.range(1)));
}
BENCHMARK(BM_TickWithPaint)
    ->ArgNames({"chars", "ticksBefore"})
    ->Args({200, 1})
    ->Args({20000, 1})
    ->Args({200, 200000})
    ->Args({20000, 200000});

// A note of `characters` characters: Latin, Hebrew and Arabic words in lines, with tabs
// and other control characters, as a pasted log or a mistaken file would give.
QString mixedNote(int characters)
{
    const QString line =
        QStringLiteral("Status \u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627 "
                       "\tok\x1b[0m\x07 \u00FCber \u4E2D\u6587\r\n");
    QString text = line.repeated(characters / line.size() + 1);
    text.truncate(characters);
    return text;
}

// The first frame of a new text (measuring, laying out, the first paint) and the tick
// after it. range(0): characters of the note, in mixed scripts with control characters.
void BM_FirstFrame(benchmark::State& state)
{
    Settings settings = bandSettings();
    test::ScriptedPlatform platform;
    FixedClock clock(QDateTime(QDate(2026, 3, 2), QTime(9, 0)));
    const QString note = mixedNote(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        FixedFeed feed({{TickerSource::Broadcast, note}});
        Terminal terminal(settings, platform, clock, feed);
        terminal.Timer1().stop();
        if (!showBand(terminal)) {
            state.SkipWithError("the band was not exposed");
            return;
        }
        state.ResumeTiming();
        terminal.tick();
    }
}
BENCHMARK(BM_FirstFrame)->ArgName("chars")->Arg(200)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

// The steady tick of the same notes.
void BM_MixedTick(benchmark::State& state)
{
    FixedFeed feed({{TickerSource::Broadcast, mixedNote(static_cast<int>(state.range(0)))}});
    measureTicks(state, feed, 1);
}
BENCHMARK(BM_MixedTick)->ArgName("chars")->Arg(200)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

long residentKilobytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(static_cast<int>(std::strlen(field))).trimmed().split(' ')[0].toLong();
    }
    return -1;
}

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The band on the real display with the system clock: prints the processor time per
// second of the steady state and the resident memory. With "demo" it also shows the
// notice bubble and the connection band, for screenshots.
int runLive(int argc, char** argv, int seconds, int characters, bool demo)
{
    QApplication app(argc, argv);
    Settings settings = bandSettings();
    settings.ImmerOben = true;
    QtPlatform platform;
    SystemClock clock;
    FixedFeed feed(characters);
    Terminal terminal(settings, platform, clock, feed);
    terminal.show();

    BubbleHost bubbles(platform, &terminal);
    TerminalNoticeBoard notices(settings, terminal, bubbles);
    Settings bottom = settings;
    bottom.dockPos = 1;
    NetzConnect connecting(bottom, platform);
    if (demo) {
        connecting.show();
        QTimer::singleShot(500, &terminal, [&notices] {
            notices.showNetworkNotice(
                QStringLiteral("Network error - cannot reach broadcast server."));
        });
    }

    // Measure from 3 s on: start-up and font loading are not the steady state.
    double startCpu = 0;
    QTimer::singleShot(3000, &app, [&startCpu] { startCpu = processorSeconds(); });
    QTimer::singleShot((seconds + 3) * 1000, &app, [&] {
        const double cpu = processorSeconds() - startCpu;
        std::printf("ticks of %d s: processor %.3f s = %.3f %% of one core\n", seconds, cpu,
                    100.0 * cpu / seconds);
        std::printf("resident now %ld kB, peak %ld kB\n", residentKilobytes("VmRSS:"),
                    residentKilobytes("VmHWM:"));
        app.quit();
    });
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--live") == 0) {
        const int characters = argc >= 4 ? std::atoi(argv[3]) : 20000;
        const bool demo = argc >= 5 && std::strcmp(argv[4], "demo") == 0;
        return runLive(argc, argv, std::atoi(argv[2]), characters, demo);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
