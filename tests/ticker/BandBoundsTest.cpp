#include "core/AppContext.h"
#include "platform/Clock.h"
#include "support/RawSql.h"
#include "support/ScriptedPlatform.h"
#include "support/TemplateCopy.h"
#include "ticker/TickerContent.h"
#include "ticker/ui/Terminal.h"
#include "ticker/ui/TickerWindow.h"
#include "ticker/view/BandText.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <utility>

namespace qb::test {

namespace {

class SilentNotices final : public NoticeBoard
{
public:
    void showNetworkNotice(const QString&) override {}
    bool noticeVisible() const override { return false; }
    void closeNotice() override {}
};

// A feed of one fixed text, handed to the band at its next tick.
class FixedFeed final : public TickerFeed
{
public:
    explicit FixedFeed(QVector<TickerEntry> entries) : m_entries(std::move(entries)) {}
    void waitForNetwork(const QDateTime&) override {}
    bool NotizMachen(const QDateTime&) override { return std::exchange(m_changed, false); }
    const QVector<TickerEntry>& entries() const override { return m_entries; }
    void requestRebuild() override {}

private:
    QVector<TickerEntry> m_entries;
    bool m_changed = true;
};

// Nanoseconds this thread has waited for a processor so far (the kernel's scheduler
// statistics); 0 where the kernel does not keep them.
qint64 runQueueWait()
{
    QFile stats(QStringLiteral("/proc/thread-self/schedstat"));
    if (!stats.open(QIODevice::ReadOnly))
        return 0;
    return stats.readLine().split(' ').value(1).toLongLong();
}

} // namespace

// What the band may cost whatever it is given: a locked database file must not hold up a
// tick, a note of a megabyte must not be laid out or drawn whole.
class BandBoundsTest : public QObject
{
    Q_OBJECT

private slots:
    // The local and the broadcaster's file are both held by another connection, and every
    // tick rebuilds. A wait for a lock beyond a tick would show as a gap between two ticks.
    // The ticks are called back to back, so a gap is the tick's own work and waits, not
    // the event loop's latency; the time the thread waited for a processor is taken off,
    // as a busy machine adds it to any tick. A stall may still hit a round, a lock wait hits
    // every round: the best of three rounds must stay under two ticks.
    void ticksGoOnWhileTheFilesAreLocked()
    {
        QTemporaryDir folder; // the network-error marker's folder
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        const auto restore = qScopeGuard([&previous] { QDir::setCurrent(previous); });
        TemplateCopy local, broadcaster;
        for (const TemplateCopy* file : {&local, &broadcaster})
            QCOMPARE(RawSql(file->path())
                         .exec("INSERT INTO Notizen (inhalt, Rhythmus) "
                               "VALUES ('kept', 0)"),
                     QString());
        AppContext context;
        QString reason;
        QVERIFY2(context.openLocal(local.path(), reason), qPrintable(reason));
        context.settings.Sprache = 1;
        context.settings.eigeneErlauben = context.settings.broadcastStatus = true;
        context.settings.broadcastPfad = broadcaster.path();
        QVERIFY(context.BroadcastOeffnen());
        ScriptedPlatform platform;
        SilentNotices notices;
        TickerContent content(context, platform, notices, [](const QString&) { return true; });
        FixedClock clock(QDateTime(QDate(2026, 12, 4), QTime(10, 0)));
        Terminal band(context.settings, platform, clock, content);
        band.Timer1().stop();
        // The broadcaster's file is read off the band's thread: tick until its note arrives.
        for (int tick = 0; tick < 10 && band.AnzeigeText().count(QStringLiteral("kept")) < 2;
             ++tick) {
            content.requestRebuild();
            band.tick();
            context.broadcastLink.waitForAnswer(2000);
        }
        QCOMPARE(band.AnzeigeText().count(QStringLiteral("kept")), 2);

        RawSql localLock(local.path()), broadcasterLock(broadcaster.path());
        for (RawSql* lock : {&localLock, &broadcasterLock})
            QCOMPARE(lock->exec(QStringLiteral("BEGIN EXCLUSIVE")), QString());
        qint64 best = std::numeric_limits<qint64>::max();
        for (int round = 0; round < 3 && best >= 100; ++round) {
            QElapsedTimer timer;
            timer.start();
            qint64 longest = 0;
            for (int tick = 0; tick < 10 && longest < 100; ++tick) {
                const qint64 start = timer.nsecsElapsed(), waitedBefore = runQueueWait();
                content.requestRebuild();
                band.tick();
                const qint64 gap = timer.nsecsElapsed() - start - (runQueueWait() - waitedBefore);
                longest = std::max(longest, gap / 1000000);
            }
            best = std::min(best, longest);
        }
        for (RawSql* lock : {&localLock, &broadcasterLock})
            lock->exec(QStringLiteral("ROLLBACK"));
        QVERIFY2(best < 100, qPrintable(QStringLiteral("a tick took %1 ms").arg(best)));
        // The entries of the last read stay while the files are locked.
        QCOMPARE(band.AnzeigeText().count(QStringLiteral("kept")), 2);
    }

    // A note of a megabyte: the band lays out a stretch of it bounded whatever its length,
    // and draws only the tiles its width shows, also while it scrolls.
    void aMegabyteNoteCostsWhatTheBandShows()
    {
        Settings settings;
        settings.Sprache = 1;
        settings.SchriftName = QStringLiteral("DejaVu Sans");
        settings.SchriftGroesse = 8;
        settings.Speed = 150;
        ScriptedPlatform platform;
        FixedClock clock(QDateTime(QDate(2026, 12, 4), QTime(10, 0)));
        FixedFeed feed({{TickerSource::Local, QStringLiteral("megabyte ").repeated(1 << 17)}});
        Terminal band(settings, platform, clock, feed);
        band.Timer1().stop();
        band.show();
        QVERIFY(QTest::qWaitForWindowExposed(&band.ticker()));
        band.tick(); // takes the text

        const BandPicture& picture = band.ticker().picture();
        // The shown stretch of the note, its ellipsis, the separator and the blanks.
        QVERIFY(picture.glyphCount() <= bandTextLimit + 16);
        const int bandWidth = band.ticker().width();
        QVERIFY(picture.copyWidth() > 2 * bandWidth); // more than the band shows
        const int shownTiles = bandWidth / BandPicture::tileWidth + 2;
        for (int tick = 0; tick < 200; ++tick) {
            band.tick();
            QVERIFY2(
                picture.cachedTiles() <= shownTiles,
                qPrintable(
                    QStringLiteral("%1 tiles at tick %2").arg(picture.cachedTiles()).arg(tick)));
        }
    }
};

} // namespace qb::test

QTEST_MAIN(qb::test::BandBoundsTest)
#include "BandBoundsTest.moc"
