#include "ticker/TickerContent.h"
#include "core/AppContext.h"
#include "core/FileRoutines.h"
#include "support/GatedSource.h"
#include "support/RawSql.h"
#include "support/ScriptedPlatform.h"
#include "support/TemplateCopy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qb;
using qb::test::RawSql;
using qb::test::ScriptedPlatform;
using qb::test::TemplateCopy;

namespace {

class RecordingNotices final : public NoticeBoard
{
public:
    QStringList shown;
    bool visible = false;
    int closed = 0;
    void showNetworkNotice(const QString& text) override
    {
        shown << text;
        visible = true;
    }
    bool noticeVisible() const override { return visible; }
    void closeNotice() override
    {
        visible = false;
        ++closed;
    }
};

// A local database and a broadcaster's, with the current folder (where the
// marker "nefe" lives) a fresh temporary one. The broadcaster's file is
// "reachable" while the test says so.
class TickerContentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_folder.path());
        QString reason;
        ASSERT_TRUE(context.openLocal(local.path(), reason)) << reason.toStdString();
        context.settings.eigeneErlauben = true;
        context.settings.Sprache = 1;
        // The broadcaster's calls run in the step that asks them: each step sees its answer.
        context.broadcastLink.use(
            std::make_unique<BroadcastFile>(
                [this](const QString& path) { return path == broadcaster.path() && reachable; },
                Database::tickBusyTimeoutMs),
            BroadcastLink::Mode::Inline);
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    void becomeReceiver()
    {
        context.settings.broadcastStatus = true;
        context.settings.broadcastPfad = context.BroadcastDatenbankPfad = broadcaster.path();
    }
    static void addNote(const TemplateCopy& file, const QString& text, int rhythmus = 0,
                        double from = 0, double to = 0)
    {
        ASSERT_EQ(RawSql(file.path())
                      .exec(QStringLiteral("INSERT INTO Notizen (inhalt, Rhythmus, UhrVon, "
                                           "UhrBis) VALUES (?, ?, ?, ?)"),
                            {text, rhythmus, from, to}),
                  QString());
    }
    // Steps until the next rebuild has happened; returns what the last step said.
    bool rebuild()
    {
        content.requestRebuild();
        return content.NotizMachen(now);
    }
    QStringList shownTexts() const
    {
        QStringList texts;
        for (const TickerEntry& entry : content.entries())
            texts << (entry.source == TickerSource::Broadcast ? QStringLiteral("B ")
                                                              : QStringLiteral("L ")) +
                         entry.text;
        return texts;
    }

    QTemporaryDir m_folder;
    TemplateCopy local;
    TemplateCopy broadcaster;
    AppContext context;
    ScriptedPlatform platform;
    RecordingNotices notices;
    bool reachable = true;
    QDateTime now{QDate(2026, 12, 4), QTime(10, 0, 30)};
    TickerContent content{context, platform, notices, &DateiVorhanden};

private:
    QString m_previous;
};

} // namespace

// The first step rebuilds; then every hundredth, or the next one after a
// request; steps between keep the text.
TEST_F(TickerContentTest, RebuildsEveryHundredthStep)
{
    addNote(local, QStringLiteral("first"));
    EXPECT_TRUE(content.NotizMachen(now));
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("L first")});

    addNote(local, QStringLiteral("second"));
    for (int step = 1; step < 100; ++step)
        ASSERT_FALSE(content.NotizMachen(now)) << "step " << step;
    EXPECT_TRUE(content.NotizMachen(now));
    EXPECT_EQ(shownTexts(), (QStringList{"L first", "L second"}));
    EXPECT_EQ(content.AnzeigeText(), QStringLiteral("first \u00B7 second \u00B7 "));

    RawSql(local.path()).exec(QStringLiteral("DELETE FROM Notizen WHERE inhalt = 'first'"));
    content.requestRebuild();
    EXPECT_TRUE(content.NotizMachen(now));
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("L second")});
    EXPECT_FALSE(rebuild()) << "the same text again is no change";
}

// Which sources show, by receiver mode and the permission for own notes.
TEST_F(TickerContentTest, SourcesByModeAndPermission)
{
    addNote(local, QStringLiteral("mine"));
    addNote(broadcaster, QStringLiteral("theirs"));
    becomeReceiver();
    RawSql(broadcaster.path()).exec(QStringLiteral("UPDATE Einstellungen SET eigeneErlauben = -1"));
    rebuild();
    EXPECT_EQ(shownTexts(), (QStringList{"B theirs", "L mine"}));

    RawSql(broadcaster.path()).exec(QStringLiteral("UPDATE Einstellungen SET eigeneErlauben = 0"));
    rebuild();
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("B theirs")})
        << "the receiver adopts the broadcaster's permission at every rebuild";

    context.settings.broadcastStatus = false;
    context.settings.eigeneErlauben = false;
    rebuild();
    EXPECT_TRUE(shownTexts().isEmpty());
    EXPECT_TRUE(content.AnzeigeText().isEmpty());
}

// The broadcaster's share goes away and comes back: one beep and one notice,
// local notes go on, a retry after the next minute boundary reconnects and
// removes the marker; a second loss in the same run gives no second notice.
TEST_F(TickerContentTest, NetworkErrorSequence)
{
    addNote(local, QStringLiteral("mine"));
    addNote(broadcaster, QStringLiteral("theirs"));
    becomeReceiver();
    rebuild();
    ASSERT_EQ(shownTexts(), (QStringList{"B theirs", "L mine"}));

    reachable = false;
    for (int tick = 0; tick < 5; ++tick) {
        content.waitForNetwork(now);
        content.NotizMachen(now);
    }
    EXPECT_EQ(platform.calls, QStringList{QStringLiteral("beep")});
    EXPECT_EQ(notices.shown,
              QStringList{QStringLiteral("Network error - cannot reach broadcast server.")});
    EXPECT_TRUE(QFile::exists(QStringLiteral("nefe")));
    EXPECT_EQ(content.FehlerZeit(), QStringLiteral("2026-12-04 10:00:30"));
    EXPECT_TRUE(context.NetzFehler);
    rebuild();
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("L mine")});

    now = QDateTime(QDate(2026, 12, 4), QTime(10, 0, 59));
    content.waitForNetwork(now);
    EXPECT_TRUE(context.NetzFehler) << "no retry before the minute changes";
    now = QDateTime(QDate(2026, 12, 4), QTime(10, 1, 0));
    content.waitForNetwork(now);
    EXPECT_FALSE(context.NetzFehler);

    RawSql(broadcaster.path()).exec(QStringLiteral("UPDATE Einstellungen SET Speed = 55"));
    reachable = true;
    content.NotizMachen(now); // the file test finds it
    EXPECT_FALSE(QFile::exists(QStringLiteral("nefe")));
    content.NotizMachen(now); // the broadcaster is opened again
    EXPECT_EQ(context.settings.Speed, 55) << "the broadcaster's settings are adopted again";
    EXPECT_EQ(notices.closed, 1);
    rebuild();
    EXPECT_EQ(shownTexts(), (QStringList{"B theirs", "L mine"}));

    reachable = false;
    content.NotizMachen(now);
    EXPECT_TRUE(context.NetzFehler);
    EXPECT_EQ(notices.shown.size(), 1) << "one notice per run";
    EXPECT_EQ(platform.calls.size(), 1);
    EXPECT_TRUE(QFile::exists(QStringLiteral("nefe"))) << "the retry clock runs on";
}

// A receiver whose broadcaster was unreachable at start is told on the first
// tick, in German for any language but English.
TEST_F(TickerContentTest, UnreachableAtStartIsToldOnFirstTick)
{
    context.settings.Sprache = 2;
    context.settings.broadcastStatus = true;
    context.settings.broadcastPfad = QStringLiteral("/nowhere/qb.kvl");
    EXPECT_FALSE(context.BroadcastOeffnen());
    content.waitForNetwork(now);
    content.waitForNetwork(now);
    EXPECT_EQ(notices.shown,
              QStringList{QStringLiteral("Netzwerkfehler - Broadcast Server nicht erreichbar.")});
}

// A marker that cannot be written (here a folder of that name) still gives
// the notice only once and still lets the retry happen after a minute.
TEST_F(TickerContentTest, UnwritableMarkerStillNoticesOnceAndRetries)
{
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("nefe")));
    becomeReceiver();
    reachable = false;
    for (int tick = 0; tick < 20; ++tick) {
        content.waitForNetwork(now);
        content.NotizMachen(now);
    }
    EXPECT_EQ(notices.shown.size(), 1);
    EXPECT_EQ(platform.calls, QStringList{QStringLiteral("beep")});

    now = now.addSecs(60);
    content.waitForNetwork(now);
    EXPECT_FALSE(context.NetzFehler);
    reachable = true;
    content.NotizMachen(now);
    EXPECT_FALSE(context.NetzFehler);
}

// A marker left by an earlier run keeps this run quiet.
TEST_F(TickerContentTest, MarkerFromEarlierRunSuppressesTheNotice)
{
    QFile marker(QStringLiteral("nefe"));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write("2026-12-03 09:00:00\n");
    marker.close();
    context.settings.broadcastStatus = true;
    context.settings.broadcastPfad = QStringLiteral("/nowhere/qb.kvl");
    context.BroadcastOeffnen();
    reachable = false;
    content.waitForNetwork(now);
    content.NotizMachen(now);
    EXPECT_TRUE(notices.shown.isEmpty());
    EXPECT_TRUE(platform.calls.isEmpty());
}

// A stamp the clock has not reached yet (the clock was set back) or cannot be
// read must not keep a receiver waiting: the next tick retries.
TEST_F(TickerContentTest, StampFromTheFutureOrGarbageStillRetries)
{
    context.settings.broadcastStatus = true;
    context.settings.broadcastPfad = QStringLiteral("/nowhere/qb.kvl");
    context.BroadcastOeffnen();
    for (const char* stamp : {"2026-12-04 11:00:00\n", "garbage\n"}) {
        SCOPED_TRACE(stamp);
        QFile marker(QStringLiteral("nefe"));
        ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
        marker.write(stamp);
        marker.close();
        context.NetzFehler = true;
        content.waitForNetwork(now);
        EXPECT_FALSE(context.NetzFehler);
    }
}

namespace {

// Leaves `path` as a writer killed mid-commit leaves it: pages of an unfinished
// write in the file and the journal that can undo them beside it. The write is
// made on a copy and the pair written over the file in place (same inode, as
// the receiver's open connection sees it).
void leaveUnfinishedWrite(const QString& path)
{
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("copy.kvl"));
    ASSERT_TRUE(QFile::copy(path, copy));
    RawSql writer(copy);
    writer.exec(QStringLiteral("PRAGMA cache_size = 1"));
    ASSERT_EQ(writer.exec(QStringLiteral("BEGIN")), QString());
    // Far more than the cache holds, so pages reach the file before the commit.
    for (int row = 0; row < 300; ++row)
        writer.exec(QStringLiteral("INSERT INTO Notizen (inhalt, Rhythmus) VALUES (?, 0)"),
                    {QString(400, QLatin1Char('w'))});
    const auto overwrite = [](const QString& from, const QString& to) {
        QFile source(from);
        QFile target(to);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        ASSERT_TRUE(target.open(QIODevice::ReadWrite | QIODevice::Truncate));
        target.write(source.readAll());
    };
    overwrite(copy, path);
    overwrite(copy + QStringLiteral("-journal"), path + QStringLiteral("-journal"));
    writer.exec(QStringLiteral("ROLLBACK"));
}

} // namespace

// A locked source is no network failure: each keeps its entries of the last
// read, nobody is told, and the next rebuild after the lock shows the changes.
// The local connection's writers wait the full time again afterwards. (How
// long the band waits is measured end to end, in lock_test.sh.)
TEST_F(TickerContentTest, LockedSourcesKeepTheirEntries)
{
    addNote(local, QStringLiteral("mine"));
    addNote(broadcaster, QStringLiteral("theirs"));
    becomeReceiver();
    rebuild();
    ASSERT_EQ(shownTexts(), (QStringList{"B theirs", "L mine"}));

    RawSql localLock(local.path());
    RawSql broadcasterLock(broadcaster.path());
    for (RawSql* lock : {&localLock, &broadcasterLock}) {
        ASSERT_EQ(lock->exec(QStringLiteral("BEGIN EXCLUSIVE")), QString());
        lock->exec(QStringLiteral("UPDATE Notizen SET inhalt = inhalt || ' new'"));
    }
    for (int tick = 0; tick < 3; ++tick) {
        content.waitForNetwork(now);
        rebuild();
    }
    EXPECT_EQ(shownTexts(), (QStringList{"B theirs", "L mine"}));
    EXPECT_FALSE(context.NetzFehler);
    EXPECT_TRUE(notices.shown.isEmpty());
    EXPECT_EQ(context.local.busyTimeout(), Database::defaultBusyTimeoutMs);

    for (RawSql* lock : {&localLock, &broadcasterLock})
        ASSERT_EQ(lock->exec(QStringLiteral("COMMIT")), QString());
    rebuild();
    EXPECT_EQ(shownTexts(), (QStringList{"B theirs new", "L mine new"}));
}

// A broadcaster locked while it is opened is tried again at each rebuild.
TEST_F(TickerContentTest, BroadcasterLockedWhenOpenedIsOpenedLater)
{
    addNote(broadcaster, QStringLiteral("theirs"));
    RawSql lock(broadcaster.path());
    ASSERT_EQ(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")), QString());
    context.settings.broadcastStatus = true;
    context.settings.broadcastPfad = broadcaster.path();
    EXPECT_FALSE(context.BroadcastOeffnen(Database::tickBusyTimeoutMs));
    EXPECT_TRUE(context.broadcast.error().contains(QStringLiteral("locked")))
        << context.broadcast.error().toStdString();
    content.waitForNetwork(now);
    rebuild();
    EXPECT_FALSE(context.NetzFehler);
    EXPECT_TRUE(notices.shown.isEmpty());

    lock.exec(QStringLiteral("ROLLBACK"));
    rebuild();
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("B theirs")});
}

// A broadcaster's write killed mid-commit leaves a journal that the receiver's
// read-only connection cannot roll back: like a lock, the entries stay and no
// notice comes; once the broadcaster's program has rolled it back, the notes
// are read again.
TEST_F(TickerContentTest, UnfinishedBroadcasterWriteActsLikeALock)
{
    addNote(broadcaster, QStringLiteral("theirs"));
    becomeReceiver();
    rebuild();
    ASSERT_EQ(shownTexts(), QStringList{QStringLiteral("B theirs")});

    leaveUnfinishedWrite(broadcaster.path());
    for (int tick = 0; tick < 3; ++tick) {
        content.waitForNetwork(now);
        rebuild();
    }
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("B theirs")});
    EXPECT_FALSE(context.NetzFehler);
    EXPECT_TRUE(notices.shown.isEmpty());
    ASSERT_FALSE(context.reopenBroadcast(Database::tickBusyTimeoutMs));
    EXPECT_TRUE(context.broadcast.error().contains(QStringLiteral("unfinished")))
        << context.broadcast.error().toStdString();

    // The broadcaster's own program rolls the journal back at its next read.
    RawSql owner(broadcaster.path());
    ASSERT_EQ(owner.scalar(QStringLiteral("SELECT COUNT(*) FROM Notizen")).toInt(), 1);
    RawSql(broadcaster.path()).exec(QStringLiteral("UPDATE Notizen SET inhalt = 'again'"));
    rebuild();
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("B again")});
}

// The local file deleted while the band runs: the band goes on with the open file, says
// so once, refuses writes into the deleted file, and opens the file put back at the path,
// where the next note lands.
TEST_F(TickerContentTest, RemovedLocalFileIsToldOnceAndFollowed)
{
    addNote(local, QStringLiteral("mine"));
    rebuild();
    ASSERT_TRUE(QFile::remove(local.path()));
    rebuild();
    rebuild();
    EXPECT_EQ(shownTexts(), QStringList{"L mine"});
    EXPECT_EQ(notices.shown, QStringList{fileRemovedNotice(local.path(), 1)});
    EXPECT_FALSE(context.localNotizen.addNew() && context.localNotizen.update());
    EXPECT_EQ(context.localNotizen.failure().cause, StorageCause::FileRemoved);
    context.localNotizen.cancelUpdate();

    ASSERT_TRUE(QFile::copy(QStringLiteral(QB_TEMPLATE_PATH), local.path()));
    QFile::setPermissions(local.path(), QFile::ReadOwner | QFile::WriteOwner);
    rebuild();
    EXPECT_TRUE(shownTexts().isEmpty()) << "the band reads the file now at the path";
    ASSERT_TRUE(context.localNotizen.addNew());
    context.localNotizen.setValue(QStringLiteral("inhalt"), QStringLiteral("back"));
    context.localNotizen.setValue(QStringLiteral("Rhythmus"), 0);
    ASSERT_TRUE(context.localNotizen.update()) << context.localNotizen.error().toStdString();
    EXPECT_EQ(RawSql(local.path()).scalar(QStringLiteral("SELECT inhalt FROM Notizen")), "back");

    ASSERT_TRUE(QFile::remove(local.path()));
    rebuild();
    EXPECT_EQ(notices.shown.size(), 2) << "a second removal is told again";
}

// The online check skips the first rebuild and runs at every later one. Regression: the
// condition turned around passed every test.
TEST_F(TickerContentTest, OnlineCheckSkipsOnlyTheFirstRebuild)
{
    QList<QDate> checked;
    content.setOnlineCheck([&checked](const QDate& today) { checked << today; });
    rebuild();
    EXPECT_TRUE(checked.isEmpty());
    rebuild();
    rebuild();
    EXPECT_EQ(checked, (QList<QDate>{now.date(), now.date()}));
}

// A share that stops answering: no step waits for it; past the link's deadline the band is
// in the network-error state with one notice and the local notes, and no second call is
// piled on the hung one, also not by the retry after the minute boundary. The hung call's
// late answer is taken at the next retry, which reconnects.
TEST_F(TickerContentTest, HungShareIsANetworkErrorUntilItAnswersAgain)
{
    addNote(local, QStringLiteral("mine"));
    addNote(broadcaster, QStringLiteral("theirs"));
    becomeReceiver();
    const auto gate = std::make_shared<test::GatedSource::Gate>();
    const auto ticks = std::make_shared<qint64>(0);
    context.broadcastLink.use(
        std::make_unique<test::GatedSource>(gate, std::make_unique<BroadcastFile>()),
        BroadcastLink::Mode::Threaded, [ticks] { return *ticks; });
    const auto step = [this] {
        content.waitForNetwork(now);
        context.broadcastLink.waitForAnswer(10000);
        content.NotizMachen(now);
    };
    rebuild();
    step();
    ASSERT_EQ(shownTexts(), (QStringList{"B theirs", "L mine"}));

    gate->close();
    const int callsBefore = gate->callCount();
    for (int tick = 0; tick < 3; ++tick) {
        content.waitForNetwork(now);
        content.NotizMachen(now);
    }
    EXPECT_FALSE(context.NetzFehler) << "before the deadline";
    *ticks += BroadcastLink::deadlineMs;
    content.NotizMachen(now);
    EXPECT_TRUE(context.NetzFehler);
    EXPECT_EQ(notices.shown.size(), 1);
    rebuild();
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("L mine")});

    now = now.addSecs(60);
    content.waitForNetwork(now);
    EXPECT_FALSE(context.NetzFehler);
    content.NotizMachen(now);
    EXPECT_TRUE(context.NetzFehler) << "the retry meets the same hung call";
    EXPECT_EQ(gate->callCount(), callsBefore + 1);
    EXPECT_EQ(notices.shown.size(), 1);

    gate->release();
    now = now.addSecs(60);
    for (int tick = 0; tick < 3; ++tick)
        step();
    EXPECT_FALSE(context.NetzFehler);
    EXPECT_FALSE(QFile::exists(QStringLiteral("nefe")));
    EXPECT_EQ(shownTexts(), (QStringList{"B theirs", "L mine"}));
}
