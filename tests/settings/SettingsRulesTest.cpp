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

TEST(SettingsRules, PreviewLayoutByMarginAndDate)
{
    struct Case
    {
        const char* name;
        bool margin, date;
        double width, left2, left3, left4;
    };
    const Case cases[] = {
        {"margin and date", true, true, 2212.5, 75, 1470, 3682.5},
        {"neither", false, false, 2985, 0, 0, 2985},
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

// Halves go to the even neighbour.
TEST(SettingsRules, FontSizeRoundsHalfToEven)
{
    EXPECT_EQ(fontSize(10.5), 10);
    EXPECT_EQ(fontSize(11.5), 12);
    EXPECT_EQ(fontSize(11.4), 11);
    EXPECT_EQ(fontSize(9.6), 10);
}

TEST(SettingsRules, ColourDialogTitleFollowsTheLanguageGiven)
{
    EXPECT_EQ(SettingsTexts::colourDialogTitle(QStringLiteral("Frame color"), 2),
              QStringLiteral("Frame color wählen"));
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

TEST(SettingsRules, HelpPopupsAndWindowPlacement)
{
    const PopupGeometry one = helpPopup(1);
    EXPECT_EQ(QRect(one.left, one.top, one.closeTop, one.height), QRect(1265, 550, 2145, 2565));
    const PopupGeometry two = helpPopup(2);
    EXPECT_EQ(QRect(two.left, two.top, two.closeTop, two.height), QRect(1985, 2860, 2745, 3165));
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
    EXPECT_FALSE(liesOnOtherComputer(QStringLiteral("/no/such/folder/qb.kvl")));

    for (const char* type :
         {"nfs", "nfs4", "cifs", "smb3", "9p", "afs", "fuse.sshfs", "fuse.gvfsd-fuse"})
        EXPECT_TRUE(isNetworkMountType(QString::fromLatin1(type))) << type;
    for (const char* type : {"ext4", "tmpfs", "fuse.ntfs-3g", "fuse", "overlay"})
        EXPECT_FALSE(isNetworkMountType(QString::fromLatin1(type))) << type;
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

// A receiver adopts the broadcaster's display settings although it stored its own.
TEST_F(Saving, ReceiverReopensTheBroadcasterAndAdoptsItsDisplay)
{
    TemplateCopy broadcaster;
    ASSERT_EQ(RawSql(broadcaster.path())
                  .exec(QStringLiteral("UPDATE Einstellungen SET notizHgFarbe = 777, "
                                       "remoteEinstellungen = 0")),
              QString());
    working.broadcastStatus = true;
    working.sysopStatus = true;
    working.broadcastPfad = broadcaster.path();
    context.NetzFehler = true;

    ASSERT_TRUE(EinstellungenUebernehmen(context, working, band).stored);
    EXPECT_EQ(stored("notizHgFarbe").toInt(), 4242);
    EXPECT_EQ(context.settings.notizHgFarbe, 777);
    EXPECT_FALSE(context.NetzFehler);
    EXPECT_EQ(context.BroadcastDatenbankPfad, broadcaster.path());
    EXPECT_EQ(band.calls, (QStringList{"Schritt 15", "requestRebuild", "MachLayout"}));
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

// A broadcaster that cannot be opened: the network-error state, nothing adopted; the band
// tells once and tries again after the next minute boundary (the marker "nefe" goes to a
// folder of its own).
TEST_F(Saving, UnreachableBroadcasterIsNoticedOnceAndRetried)
{
    QTemporaryDir markerFolder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(markerFolder.path());
    test::ScriptedPlatform platform;
    CountedNotices notices;
    TickerContent content(context, platform, notices, [](const QString&) { return false; });
    working.broadcastStatus = true;
    working.broadcastPfad = local.folder() + QStringLiteral("/gone/qb.kvl");
    ASSERT_TRUE(EinstellungenUebernehmen(context, working, band).stored);
    EXPECT_TRUE(context.NetzFehler);
    EXPECT_EQ(context.settings.notizHgFarbe, 4242);
    EXPECT_EQ(band.calls, (QStringList{"Schritt 15", "requestRebuild", "MachLayout"}));

    QDateTime now(QDate(2026, 12, 4), QTime(10, 0, 30));
    for (int step = 0; step < 3; ++step) {
        content.waitForNetwork(now);
        content.NotizMachen(now);
    }
    EXPECT_EQ(notices.given, 1);
    EXPECT_TRUE(context.NetzFehler);
    now = now.addSecs(60);
    content.waitForNetwork(now);
    EXPECT_FALSE(context.NetzFehler) << "no retry after the minute boundary";
    content.NotizMachen(now);
    EXPECT_TRUE(context.NetzFehler);
    EXPECT_EQ(notices.given, 1);
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
