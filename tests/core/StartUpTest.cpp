#include "core/StartUp.h"
#include "core/AppContext.h"
#include "core/SettingsStore.h"
#include "platform/Clock.h"
#include "support/RawSql.h"
#include "support/ScriptedPlatform.h"
#include "support/TemplateCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

using namespace qb;
using qb::test::RawSql;
using qb::test::ScriptedPlatform;
using qb::test::TemplateCopy;

namespace {

class RecordingWindows final : public StartUpWindows
{
public:
    QStringList calls;
    void showIntro() override { calls << QStringLiteral("intro"); }
    void closeIntro() override { calls << QStringLiteral("close intro"); }
    void showConnecting() override { calls << QStringLiteral("connecting"); }
    void closeConnecting() override { calls << QStringLiteral("close connecting"); }
    void showTicker() override { calls << QStringLiteral("ticker"); }
    void processEvents() override {}
    void pause(double seconds) override { calls << QStringLiteral("pause %1").arg(seconds); }
};

// A program folder holding the template, made the current folder for the
// test, and an empty home whose documents folder does not exist yet.
class StartUpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = QDir::currentPath();
        ASSERT_TRUE(QFile::copy(QStringLiteral(QB_TEMPLATE_PATH),
                                m_program.filePath(QStringLiteral("org.kvl"))));
        QDir::setCurrent(m_program.path());
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    int start(AppContext& context)
    {
        StartUp startUp(context, platform, clock, windows, QLocale(QLocale::German));
        return startUp.Main(documents());
    }
    QString documents() const { return m_home.filePath(QStringLiteral("Documents")); }
    QString database() const { return documents() + QStringLiteral("/Quillaband 3/qb.kvl"); }
    void touch(const char* name, const QByteArray& content = "x")
    {
        QFile file(QString::fromLatin1(name));
        file.open(QIODevice::WriteOnly);
        file.write(content);
    }
    static QByteArray contentOf(const char* name)
    {
        QFile file(QString::fromLatin1(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    ScriptedPlatform platform;
    FixedClock clock{QDateTime(QDate(2026, 12, 4), QTime(8, 0))};
    RecordingWindows windows;

private:
    QTemporaryDir m_program;
    QTemporaryDir m_home;
    QString m_previous;
};

} // namespace

// The first start creates the whole data path, copies the template, shows
// the windows in order, opens the start page in the configured language and
// marks the first run as over; the second start opens no page.
TEST_F(StartUpTest, FirstAndSecondStart)
{
    touch("nefe.txt");
    {
        AppContext context;
        ASSERT_EQ(start(context), 0);
        EXPECT_TRUE(QFile::exists(database()));
        EXPECT_EQ(context.DatenOrdner, documents() + QStringLiteral("/Quillaband 3/"));
        EXPECT_EQ(context.values.heuteText, QStringLiteral("04.12.2026"));
        EXPECT_TRUE(context.settings.erstVorbei);
        EXPECT_EQ(windows.calls, (QStringList{"intro", "pause 1", "ticker", "close intro"}));
        EXPECT_EQ(platform.calls, QStringList{QStringLiteral("openDocument start-e.htm")});
        EXPECT_FALSE(QFile::exists(QStringLiteral("nefe.txt")));
    }
    EXPECT_EQ(
        RawSql(database()).scalar(QStringLiteral("SELECT erstVorbei FROM Einstellungen")).toInt(),
        -1);

    platform.calls.clear();
    AppContext again;
    ASSERT_EQ(start(again), 0);
    EXPECT_TRUE(platform.calls.isEmpty());
}

// An installed program: the template lies in the data folder, and the start makes the
// user's state folder (created on demand) the current folder before a stale "nefe.txt"
// there goes. A state folder that cannot be made ends the start.
TEST_F(StartUpTest, InstalledProgramStartsInItsStateFolder)
{
    QTemporaryDir elsewhere;
    const QString state = elsewhere.filePath(QStringLiteral("state/quillaband"));
    ASSERT_TRUE(QDir().mkpath(state));
    QFile stale(state + QStringLiteral("/nefe.txt"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    const QString data = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());

    AppContext context;
    context.values.dataFolder = data;
    StartUp startUp(context, platform, clock, windows, QLocale(QLocale::German));
    platform.messageAnswers.push_back(MessageAnswer::Ok);
    EXPECT_EQ(startUp.Main(documents(), state + QStringLiteral("/nefe.txt/x")), 1);
    ASSERT_EQ(startUp.Main(documents(), state), 0);
    EXPECT_EQ(QDir::currentPath(), QDir(state).canonicalPath());
    EXPECT_FALSE(stale.exists());
    EXPECT_TRUE(QFile::exists(database()));
}

// The start page follows the stored language.
TEST_F(StartUpTest, StartPageInGerman)
{
    {
        AppContext first;
        start(first);
    }
    RawSql(database()).exec(QStringLiteral("UPDATE Einstellungen SET Sprache = 2, erstVorbei = 0"));
    platform.calls.clear();
    AppContext context;
    ASSERT_EQ(start(context), 0);
    EXPECT_EQ(platform.calls, QStringList{QStringLiteral("openDocument start-d.htm")});
}

// Failures before the database is open end the start with a message and a
// non-zero status, without a crash and without showing windows.
TEST_F(StartUpTest, AbandonedStarts)
{
    QFile::remove(QStringLiteral("org.kvl"));
    platform.messageAnswers.push_back(MessageAnswer::Ok);
    AppContext noTemplate;
    EXPECT_EQ(start(noTemplate), 1);
    ASSERT_EQ(platform.calls.size(), 1);
    EXPECT_TRUE(platform.calls.first().contains(QStringLiteral("org.kvl")));

    QDir().mkpath(documents() + QStringLiteral("/Quillaband 3"));
    QFile garbage(database());
    garbage.open(QIODevice::WriteOnly);
    garbage.write(QByteArray(2048, 'g'));
    garbage.close();
    platform.messageAnswers.push_back(MessageAnswer::Ok);
    AppContext badFile;
    EXPECT_EQ(start(badFile), 1);
    // Regression: the German text was followed by the English reason.
    const QString message = platform.calls.last();
    const qsizetype german = message.indexOf(QStringLiteral("Quillaband kann nicht starten."));
    ASSERT_GT(german, 0);
    EXPECT_TRUE(message.left(german).contains(QStringLiteral("is not a Quillaband database")));
    EXPECT_TRUE(message.mid(german).contains(QStringLiteral("ist keine Quillaband-Datenbank")))
        << message.toStdString();
    EXPECT_FALSE(message.mid(german).contains(QStringLiteral("is not a Quillaband")));
    EXPECT_TRUE(windows.calls.isEmpty());
    EXPECT_EQ(contentOf(qPrintable(database())), QByteArray(2048, 'g')) << "never overwritten";
}

// Regression: the empty file an interrupted copy leaves blocked every start; it is
// treated like a missing one.
TEST_F(StartUpTest, EmptyDatabaseFileBecomesTheTemplate)
{
    QDir().mkpath(documents() + QStringLiteral("/Quillaband 3"));
    QFile empty(database());
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    AppContext context;
    ASSERT_EQ(start(context), 0);
    EXPECT_EQ(context.settings.Sprache, 1) << "the template's settings";
    EXPECT_EQ(platform.calls, QStringList{QStringLiteral("openDocument start-e.htm")})
        << "a first run, and no message";
}

// The update leftovers in their combinations: a new updater replaces the old
// one and is parked as "qbi.kvl"; exchange files go.
TEST_F(StartUpTest, UpdateLeftovers)
{
    struct Case
    {
        const char* name;
        QList<const char*> present;
        QByteArray expectedKvl;
    };
    const Case cases[] = {
        {"new updater replaces the old one", {"qbiupd.exe", "qbi.exe"}, "qbiupd.exe"},
        {"new updater alone", {"qbiupd.exe"}, "qbiupd.exe"},
        {"old updater alone is parked", {"qbi.exe"}, "qbi.exe"},
        {"parked updater stays when nothing is new", {"qbi.kvl"}, "qbi.kvl"},
        {"nothing present", {}, "<missing>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* name : {"qbiupd.exe", "qbi.exe", "qbi.kvl"})
            QFile::remove(QString::fromLatin1(name));
        for (const char* name : c.present)
            touch(name, name);
        for (const char* name : {"updlist.txt", "serverversion.txt", "updver.txt", "updinfo.txt"})
            touch(name);
        AppContext context;
        ASSERT_EQ(start(context), 0);
        EXPECT_FALSE(QFile::exists(QStringLiteral("qbiupd.exe")));
        EXPECT_FALSE(QFile::exists(QStringLiteral("qbi.exe")));
        EXPECT_EQ(contentOf("qbi.kvl"), c.expectedKvl);
        for (const char* name : {"updlist.txt", "serverversion.txt", "updver.txt", "updinfo.txt"})
            EXPECT_FALSE(QFile::exists(QString::fromLatin1(name))) << name;
    }
}

// A receiver whose broadcaster cannot be reached still gets its ticker, in the
// network-error state, without adopting anything.
TEST_F(StartUpTest, UnreachableBroadcaster)
{
    {
        AppContext first;
        start(first);
    }
    RawSql(database())
        .exec(QStringLiteral(
            "UPDATE Einstellungen SET broadcastStatus = -1, remoteEinstellungen = -1, "
            "broadcastPfad = '/nowhere/qb.kvl'"));
    windows.calls.clear();
    AppContext context;
    ASSERT_EQ(start(context), 0);
    EXPECT_TRUE(context.NetzFehler);
    EXPECT_FALSE(context.settings.remoteEinstellungen);
    EXPECT_EQ(windows.calls, (QStringList{"intro", "pause 1", "connecting", "close connecting",
                                          "ticker", "close intro"}));
}

// A reachable broadcaster is opened read-only; its remoteEinstellungen decides
// whether its display settings are adopted.
TEST_F(StartUpTest, ReachableBroadcaster)
{
    TemplateCopy broadcaster;
    RawSql(broadcaster.path())
        .exec(QStringLiteral("UPDATE Einstellungen SET remoteEinstellungen = -1, Speed = 77, "
                             "passWort = 'boss'"));
    {
        AppContext first;
        start(first);
    }
    RawSql(database())
        .exec(QStringLiteral("UPDATE Einstellungen SET broadcastStatus = -1, "
                             "remoteEinstellungen = 0, broadcastPfad = ?"),
              {broadcaster.path()});
    AppContext context;
    ASSERT_EQ(start(context), 0);
    EXPECT_FALSE(context.NetzFehler);
    EXPECT_TRUE(context.settings.remoteEinstellungen);
    EXPECT_EQ(context.settings.Speed, 77);
    EXPECT_EQ(context.settings.passWort, QStringLiteral("boss"));

    RawSql(broadcaster.path())
        .exec(QStringLiteral("UPDATE Einstellungen SET remoteEinstellungen = 0"));
    AppContext notAdopting;
    ASSERT_EQ(start(notAdopting), 0);
    EXPECT_FALSE(notAdopting.settings.remoteEinstellungen);
    EXPECT_EQ(notAdopting.settings.Speed, 30);
}

// Regression: a read-only local database was accepted and then every save failed. The
// start ends with the reason, in the stored language. Root writes to any file, so the
// start runs in a child process under an account without write access.
TEST_F(StartUpTest, ReadOnlyDatabaseEndsTheStart)
{
    {
        AppContext first;
        ASSERT_EQ(start(first), 0);
    }
    RawSql(database()).exec(QStringLiteral("UPDATE Einstellungen SET Sprache = 2"));
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto open = readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QString folder = database();
    while ((folder = QFileInfo(folder).path()) != QDir::tempPath())
        QFile::setPermissions(folder, open | QFile::WriteOwner | QFile::WriteOther);
    QFile::setPermissions(database(), readable);
    platform.messageAnswers.push_back(MessageAnswer::Ok); // the platform's error report
    platform.calls.clear();
    EXPECT_EXIT(
        {
            if (geteuid() == 0) {
                const passwd* nobody = getpwnam("nobody");
                if (!nobody || setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)
                    std::_Exit(2);
            }
            AppContext context;
            const bool ended = start(context) == 1 && platform.calls.size() == 1 &&
                               platform.calls.first().contains(QStringLiteral(
                                   "kann nicht geschrieben werden: die Datei ist")) &&
                               !platform.calls.first().contains(QStringLiteral("cannot"));
            std::_Exit(ended ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");
}

// Regression: a settings table without its row gave a band without language, speed or
// colours, and settings that could never be saved. The template's row is inserted.
TEST_F(StartUpTest, MissingSettingsRowGetsTheTemplateDefaults)
{
    {
        AppContext first;
        ASSERT_EQ(start(first), 0);
    }
    RawSql(database()).exec(QStringLiteral("DELETE FROM Einstellungen"));
    AppContext context;
    ASSERT_EQ(start(context), 0);
    EXPECT_EQ(context.settings.Sprache, 1);
    EXPECT_EQ(context.settings.Speed, 30);
    EXPECT_EQ(context.settings.notizHgFarbe, Settings::defaultNotizHgFarbe);
    context.settings.Speed = 44;
    EXPECT_TRUE(EinstellungenSpeichern(context.localEinstellungen, context.settings));
    RawSql stored(database());
    EXPECT_EQ(stored.scalar(QStringLiteral("SELECT COUNT(*) FROM Einstellungen")).toInt(), 1);
    EXPECT_EQ(stored.scalar(QStringLiteral("SELECT Speed FROM Einstellungen")).toInt(), 44);
}
