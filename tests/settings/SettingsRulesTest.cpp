#include "settings/SettingsRules.h"
#include "FakeBand.h"
#include "core/AppContext.h"
#include "core/SettingsStore.h"
#include "settings/BroadcastPath.h"
#include "settings/SettingsSave.h"
#include "settings/SettingsTexts.h"
#include "support/RawSql.h"
#include "support/ScriptedPlatform.h"
#include "support/TemplateCopy.h"
#include "ticker/TickerContent.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>

using namespace qb;
using namespace qb::SettingsRules;
using qb::test::FakeBand;
using qb::test::RawSql;
using qb::test::TemplateCopy;

// Margin and date together, and neither: EinstellungenTest::previewLayout.
TEST(SettingsRules, PreviewLayoutByMarginOrDate)
{
    struct Case
    {
        const char* name;
        bool margin, date;
        double width, left2, left3, left4;
    };
    const Case cases[] = {
        {"date only", false, true, 2287.5, 0, 1395, 3682.5},
        {"margin only", true, false, 2910, 75, 75, 2985},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PreviewLayout layout = previewLayout(c.margin, c.date, 5970, 1395);
        EXPECT_EQ(layout.dateShown, c.date);
        EXPECT_EQ(layout.bevel, c.margin);
        EXPECT_DOUBLE_EQ(layout.noteWidth, c.width);
        if (c.date) {
            EXPECT_DOUBLE_EQ(layout.left2, c.left2);
        }
        EXPECT_DOUBLE_EQ(layout.left3, c.left3);
        EXPECT_DOUBLE_EQ(layout.left4, c.left4);
    }
}

// Halves to the even neighbour: EinstellungenTest::fontChoice.
TEST(SettingsRules, FontSizeRoundsToTheNearest)
{
    EXPECT_EQ(fontSize(11.4), 11);
    EXPECT_EQ(fontSize(9.6), 10);
}

// The German title: EinstellungenTest::colourChoice.
TEST(SettingsRules, ColourDialogTitleFollowsTheLanguageGiven)
{
    EXPECT_EQ(SettingsTexts::colourDialogTitle(QStringLiteral("Rahmenfarbe"), 1),
              QStringLiteral("Select Rahmenfarbe"));
}

TEST(SettingsRules, CheckBeforeSaving)
{
    struct Case
    {
        const char* name;
        bool sysop, receiver, fieldEnabled;
        const char* password;
        const char* path;
        int sprache;
        const char* text; // nullptr: passes
        QPoint bubble;
    };
    const Case cases[] = {
        // x = 75 + 945 + 1327.5 - 885 = 1462.5, to even.
        {"sysop without password",
         true,
         false,
         true,
         "",
         "",
         2,
         "Bitte Passwort eingeben.",
         {1462, 885}},
        {"a blank is a password", true, false, true, " ", "", 2, nullptr, {}},
        {"sysop off needs none", false, false, true, "", "", 1, nullptr, {}},
        // x = 75 + 375 + 2782.5 - 885 = 2347.5, to even; only the path is asked for.
        {"receiver without path",
         true,
         true,
         false,
         "",
         "",
         1,
         "Please specify a broadcast path.",
         {2348, 3510}},
        {"receiver without path, German",
         true,
         true,
         false,
         "x",
         "",
         2,
         "Bitte einen Pfad zum Broadcaster einstellen.",
         {2348, 3510}},
        {"receiver with path", true, true, false, "", "/mnt/share/qb.kvl", 1, nullptr, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Settings working;
        working.sysopStatus = c.sysop;
        working.broadcastStatus = c.receiver;
        working.passWort = QString::fromUtf8(c.password);
        working.broadcastPfad = QString::fromUtf8(c.path);
        const auto failure = checkBeforeSaving(working, c.fieldEnabled, c.sprache);
        ASSERT_EQ(failure.has_value(), c.text != nullptr);
        if (failure) {
            EXPECT_EQ(failure->text, QString::fromUtf8(c.text));
            EXPECT_EQ(failure->bubble, c.bubble);
        }
    }
}

// The help popups' geometry: EinstellungenTest::helpPopups.
TEST(SettingsRules, WindowPlacement)
{
    // The band's actual top decides, not dockPos.
    EXPECT_EQ(windowPosition(0, 16200), QPoint(500, 200));
    EXPECT_EQ(windowPosition(99, 16200), QPoint(500, 200));
    EXPECT_EQ(windowPosition(15750, 16200), QPoint(500, 16200 - 8640 - 200));
}

TEST(BroadcastPath, AnotherComputer)
{
    EXPECT_TRUE(liesOnOtherComputer(QStringLiteral("//server/share/qb.kvl")));
    EXPECT_TRUE(liesOnOtherComputer(QStringLiteral("\\\\server\\share\\qb.kvl")));
    QTemporaryFile local;
    ASSERT_TRUE(local.open());
    EXPECT_FALSE(liesOnOtherComputer(local.fileName()));
}

// Every mount is judged by its type in the mount table, whatever the kernel's magic number:
// the entry with the longest mount point holding the path decides.
TEST(BroadcastPath, MountTableDecides)
{
    const QByteArray table = "/dev/sda1 / ext4 rw 0 0\n"
                             "srv:/export /mnt/nfs nfs4 rw 0 0\n"
                             "10.0.0.1:/ /mnt/ceph ceph rw 0 0\n"
                             "srv/vol /mnt/ncp ncpfs rw 0 0\n"
                             "user@srv: /mnt/ssh\\040share fuse.sshfs rw 0 0\n"
                             "tmpfs /mnt/nfs/scratch tmpfs rw 0 0\n"
                             "/dev/sdb1 /media/usb fuse.ntfs-3g rw 0 0\n";
    struct Case
    {
        const char* name;
        const char* path;
        bool other;
    };
    const Case cases[] = {
        {"local disk", "/home/ann/qb.kvl", false},
        {"NFS", "/mnt/nfs/qb.kvl", true},
        {"CephFS, a kernel mount without a FUSE layer", "/mnt/ceph/qb.kvl", true},
        {"NCP", "/mnt/ncp/qb.kvl", true},
        {"sshfs under a mount point with a blank", "/mnt/ssh share/qb.kvl", true},
        {"a local mount inside a network mount", "/mnt/nfs/scratch/qb.kvl", false},
        {"a prefix of a mount point's name is not inside it", "/mnt/nfsx/qb.kvl", false},
        {"a local FUSE file system", "/media/usb/qb.kvl", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(liesOnOtherComputer(QString::fromUtf8(c.path), table), c.other);
    }
}

namespace {

// The program's context on a template copy, with a working copy that differs from it.
struct Saving : ::testing::Test
{
    TemplateCopy local;
    AppContext context;
    FakeBand band;
    Settings working;

    void SetUp() override
    {
        QString reason;
        ASSERT_TRUE(context.openLocal(local.path(), reason)) << reason.toStdString();
        EinstellungenLaden(context.localEinstellungen, context.settings);
        context.settings.erstVorbei = true;
        context.settings.Schrift3D = 1;
        working = context.settings;
        working.Speed = 15;
        working.notizHgFarbe = 4242;
        working.Sprache = 2;
    }
    QVariant stored(const char* column)
    {
        return RawSql(local.path())
            .scalar(QStringLiteral("SELECT %1 FROM Einstellungen").arg(column));
    }
};

} // namespace

TEST_F(Saving, StandaloneStoresAndOpensNoBroadcaster)
{
    const SaveOutcome outcome = EinstellungenUebernehmen(context, working, band);
    ASSERT_TRUE(outcome.stored);
    EXPECT_EQ(stored("notizHgFarbe").toInt(), 4242);
    EXPECT_EQ(stored("Schrift3D").toInt(), 0);
    EXPECT_EQ(context.settings.notizHgFarbe, 4242);
    EXPECT_TRUE(context.settings.erstVorbei);
    EXPECT_EQ(context.settings.Schrift3D, 0);
    EXPECT_EQ(band.calls, QStringList{"Schritt 15"});
    EXPECT_TRUE(context.BroadcastDatenbankPfad.isEmpty());
}

namespace {

class CountedNotices final : public NoticeBoard
{
public:
    int given = 0;
    void showNetworkNotice(const QString&) override { ++given; }
    bool noticeVisible() const override { return given > 0; }
    void closeNotice() override {}
};

} // namespace

// A receiver adopts the broadcaster's display settings although it stored its own: the
// band's next step reads the broadcaster anew, from the saved path.
TEST_F(Saving, ReceiverReopensTheBroadcasterAndAdoptsItsDisplay)
{
    TemplateCopy broadcaster;
    ASSERT_EQ(RawSql(broadcaster.path())
                  .exec(QStringLiteral("UPDATE Einstellungen SET notizHgFarbe = 777, "
                                       "remoteEinstellungen = 0")),
              QString());
    context.broadcastLink.use(std::make_unique<BroadcastFile>(), BroadcastLink::Mode::Inline);
    test::ScriptedPlatform platform;
    CountedNotices notices;
    TickerContent content(context, platform, notices, [](const QString&) { return false; });
    working.broadcastStatus = true;
    working.sysopStatus = true;
    working.broadcastPfad = broadcaster.path();
    context.NetzFehler = true;

    ASSERT_TRUE(EinstellungenUebernehmen(context, working, band).stored);
    EXPECT_EQ(stored("notizHgFarbe").toInt(), 4242);
    EXPECT_FALSE(context.NetzFehler);
    EXPECT_EQ(band.calls, (QStringList{"Schritt 15", "requestRebuild", "MachLayout"}));
    content.NotizMachen(QDateTime(QDate(2026, 12, 4), QTime(10, 0)));
    EXPECT_EQ(context.settings.notizHgFarbe, 777);
    EXPECT_FALSE(context.NetzFehler);
}

// A broadcaster that cannot be opened: the save goes through, the next step is in the
// network-error state and adopts nothing (the notice and the retry:
// TickerContentTest.NetworkErrorSequence; the marker "nefe" goes to a folder of its own).
TEST_F(Saving, UnreachableBroadcasterIsANetworkError)
{
    QTemporaryDir markerFolder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(markerFolder.path());
    test::ScriptedPlatform platform;
    CountedNotices notices;
    context.broadcastLink.use(std::make_unique<BroadcastFile>(), BroadcastLink::Mode::Inline);
    TickerContent content(context, platform, notices, [](const QString&) { return false; });
    working.broadcastStatus = true;
    working.broadcastPfad = local.folder() + QStringLiteral("/gone/qb.kvl");
    ASSERT_TRUE(EinstellungenUebernehmen(context, working, band).stored);
    EXPECT_EQ(band.calls, (QStringList{"Schritt 15", "requestRebuild", "MachLayout"}));

    content.NotizMachen(QDateTime(QDate(2026, 12, 4), QTime(10, 0, 30)));
    EXPECT_TRUE(context.NetzFehler);
    EXPECT_EQ(context.settings.notizHgFarbe, 4242);
    QDir::setCurrent(previous);
}

// A store that fails leaves memory and the band as they were and says why.
TEST_F(Saving, FailedStoreChangesNothingInMemory)
{
    ASSERT_EQ(RawSql(local.path())
                  .exec(QStringLiteral("CREATE TRIGGER full BEFORE UPDATE ON Einstellungen "
                                       "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); "
                                       "END")),
              QString());
    const Settings before = context.settings;
    const SaveOutcome outcome = EinstellungenUebernehmen(context, working, band);
    EXPECT_FALSE(outcome.stored);
    EXPECT_TRUE(outcome.failure.detail.contains(QStringLiteral("full")))
        << outcome.failure.detail.toStdString();
    EXPECT_EQ(context.settings, before);
    EXPECT_TRUE(band.calls.isEmpty());
}
