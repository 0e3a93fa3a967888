#include "core/Database.h"
#include "core/PasswordGuard.h"
#include "core/RecordSet.h"
#include "core/SettingsStore.h"
#include "support/RawSql.h"
#include "support/TemplateCopy.h"

#include <gtest/gtest.h>
#include <functional>

using namespace qb;
using qb::test::RawSql;
using qb::test::TemplateCopy;

namespace {

// A template copy opened as the program opens it.
struct OpenedTemplate
{
    TemplateCopy file;
    Database db;
    RecordSet row{db, QStringLiteral("Einstellungen")};

    OpenedTemplate()
    {
        db.open(file.path(), PasswordGuard::connectString, OpenMode::ReadWrite);
        row.open();
    }
    void store(const QString& assignments)
    {
        ASSERT_EQ(RawSql(file.path()).exec(QStringLiteral("UPDATE Einstellungen SET ") +
                                           assignments),
                  QString());
    }
};

// Distinct values in every member, to see which ones a load leaves alone.
Settings marked()
{
    Settings s;
    s.Sprache = 2;
    s.ImmerOben = true;
    s.dockPos = 7;
    s.fensterHgFarbe = 11;
    s.uhrHgFarbe = 12;
    s.notizHgFarbe = 13;
    s.UhrSchriftFarbe = 14;
    s.SchriftName = QStringLiteral("Receiver Font");
    s.SchriftGroesse = 15;
    s.SchriftFarbe = 16;
    s.SchriftFarbe2 = 17;
    s.sysopStatus = true;
    s.passWort = QStringLiteral("receiver");
    s.broadcastStatus = true;
    s.broadcastPfad = QStringLiteral("/share/qb.kvl");
    s.remoteEinstellungen = true;
    s.Speed = 18;
    return s;
}

} // namespace

// Stored values against loaded values: the load rules for defaults, Null and
// garbage, each row named by the rule it checks.
TEST(EinstellungenLaden, LoadRules)
{
    struct Case
    {
        const char* name;
        const char* stored;
        std::function<void(const Settings&)> check;
    };
    const Case cases[] = {
        {"Speed 4 is too slow and becomes 30", "Speed = 4",
         [](const Settings& s) { EXPECT_EQ(s.Speed, 30); }},
        {"Speed 5 is the slowest kept", "Speed = 5",
         [](const Settings& s) { EXPECT_EQ(s.Speed, 5); }},
        {"Speed Null becomes 30", "Speed = NULL",
         [](const Settings& s) { EXPECT_EQ(s.Speed, 30); }},
        {"Speed garbage keeps the value", "Speed = 'fast'",
         [](const Settings& s) { EXPECT_EQ(s.Speed, 18); }},
        {"negative window colour is the default", "fensterHgFarbe = -1",
         [](const Settings& s) { EXPECT_EQ(s.fensterHgFarbe, 0x800000); }},
        {"colour 0 stays black", "fensterHgFarbe = 0",
         [](const Settings& s) { EXPECT_EQ(s.fensterHgFarbe, 0); }},
        {"negative panel colours are their defaults",
         "uhrHgFarbe = -5, notizHgFarbe = -5, UhrSchriftFarbe = -5",
         [](const Settings& s) {
             EXPECT_EQ(s.uhrHgFarbe, 0xFFE0E0);
             EXPECT_EQ(s.notizHgFarbe, 0xFFA0A0);
             EXPECT_EQ(s.UhrSchriftFarbe, 0);
         }},
        {"empty font name replaces the whole font group",
         "SchriftName = '', SchriftGroesse = 20, SchriftFarbe = 255, SchriftFett = 0, "
         "SchriftKursiv = -1",
         [](const Settings& s) {
             EXPECT_EQ(s.SchriftName, QStringLiteral("MS Sans Serif"));
             EXPECT_EQ(s.SchriftGroesse, 8);
             EXPECT_EQ(s.SchriftFarbe, 0xFFFFFF);
             EXPECT_TRUE(s.SchriftFett);
             EXPECT_FALSE(s.SchriftKursiv);
         }},
        {"Null font name counts as empty", "SchriftName = NULL, SchriftGroesse = 20",
         [](const Settings& s) { EXPECT_EQ(s.SchriftGroesse, 8); }},
        {"a named font keeps its group",
         "SchriftName = 'DejaVu Sans', SchriftGroesse = 14, SchriftFett = 0, SchriftKursiv = 3",
         [](const Settings& s) {
             EXPECT_EQ(s.SchriftName, QStringLiteral("DejaVu Sans"));
             EXPECT_EQ(s.SchriftGroesse, 14);
             EXPECT_FALSE(s.SchriftFett);
             EXPECT_TRUE(s.SchriftKursiv);
         }},
        {"font colours read their leading number", "SchriftFarbe = '255 red', SchriftFarbe2 = 'x'",
         [](const Settings& s) {
             EXPECT_EQ(s.SchriftFarbe, 255);
             EXPECT_EQ(s.SchriftFarbe2, 0);
         }},
        {"negative broadcaster colour is yellow", "SchriftFarbe2 = -1",
         [](const Settings& s) { EXPECT_EQ(s.SchriftFarbe2, 0x00FFFF); }},
        {"Null switches of sysop and receiver mode are off",
         "sysopStatus = NULL, broadcastStatus = NULL",
         [](const Settings& s) {
             EXPECT_FALSE(s.sysopStatus);
             EXPECT_FALSE(s.broadcastStatus);
         }},
        {"any non-zero switch is on", "ImmerOben = 1, zeigDatum = 2, zeigRahmen = -7",
         [](const Settings& s) {
             EXPECT_TRUE(s.ImmerOben);
             EXPECT_TRUE(s.zeigDatum);
             EXPECT_TRUE(s.zeigRahmen);
         }},
        {"Null elsewhere keeps the value", "Sprache = NULL, dockPos = NULL, passWort = NULL",
         [](const Settings& s) {
             EXPECT_EQ(s.Sprache, 2);
             EXPECT_EQ(s.dockPos, 7);
             EXPECT_EQ(s.passWort, QStringLiteral("receiver"));
         }},
        {"a language out of the 16-bit range keeps the value", "Sprache = 70000",
         [](const Settings& s) { EXPECT_EQ(s.Sprache, 2); }},
        {"text and numbers taken as stored", "Sprache = 1, dockPos = 5, passWort = 'geheim'",
         [](const Settings& s) {
             EXPECT_EQ(s.Sprache, 1);
             EXPECT_EQ(s.dockPos, 5);
             EXPECT_EQ(s.passWort, QStringLiteral("geheim"));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenedTemplate t;
        t.store(QString::fromLatin1(c.stored));
        Settings s = marked();
        EinstellungenLaden(t.row, s);
        c.check(s);
    }
}

// The template's row loads as a working first start.
TEST(EinstellungenLaden, TemplateRow)
{
    OpenedTemplate t;
    Settings s;
    EinstellungenLaden(t.row, s);
    EXPECT_EQ(s.Sprache, 1);
    EXPECT_TRUE(s.ImmerOben);
    EXPECT_EQ(s.dockPos, 0);
    EXPECT_TRUE(s.eigeneErlauben);
    EXPECT_TRUE(s.zeigDatum);
    EXPECT_TRUE(s.zeigRahmen);
    EXPECT_FALSE(s.erstVorbei);
    EXPECT_FALSE(s.broadcastStatus);
    EXPECT_EQ(s.Speed, 30);
    EXPECT_EQ(s.fensterHgFarbe, Settings::defaultFensterHgFarbe);
    EXPECT_EQ(s.SchriftFarbe2, Settings::defaultSchriftFarbe2);
}

// A receiver adopts the broadcaster's display settings, password and
// permission, and keeps its own language, docking, switches and path.
TEST(BroadcastEinstellungenLaden, AdoptsDisplaySettingsOnly)
{
    OpenedTemplate broadcaster;
    broadcaster.store(QStringLiteral(
        "Sprache = 1, ImmerOben = 0, dockPos = 0, sysopStatus = 0, broadcastStatus = 0, "
        "broadcastPfad = 'elsewhere', remoteEinstellungen = 0, passWort = 'boss', "
        "eigeneErlauben = 0, zeigDatum = 0, zeigRahmen = 0, Speed = 3, fensterHgFarbe = 42, "
        "SchriftName = 'Broadcast Font', SchriftGroesse = 11, SchriftFarbe2 = 99"));
    Settings s = marked();
    s.eigeneErlauben = true;
    BroadcastEinstellungenLaden(broadcaster.row, s);

    const Settings before = marked();
    EXPECT_EQ(s.Sprache, before.Sprache);
    EXPECT_EQ(s.ImmerOben, before.ImmerOben);
    EXPECT_EQ(s.dockPos, before.dockPos);
    EXPECT_EQ(s.sysopStatus, before.sysopStatus);
    EXPECT_EQ(s.broadcastStatus, before.broadcastStatus);
    EXPECT_EQ(s.broadcastPfad, before.broadcastPfad);
    EXPECT_EQ(s.remoteEinstellungen, before.remoteEinstellungen);

    EXPECT_EQ(s.passWort, QStringLiteral("boss"));
    EXPECT_FALSE(s.eigeneErlauben);
    EXPECT_FALSE(s.zeigDatum);
    EXPECT_EQ(s.Speed, 30);
    EXPECT_EQ(s.fensterHgFarbe, 42);
    EXPECT_EQ(s.SchriftName, QStringLiteral("Broadcast Font"));
    EXPECT_EQ(s.SchriftGroesse, 11);
    EXPECT_EQ(s.SchriftFarbe2, 99);
}

// Every column written by a save reads back the same; erstVorbei is left alone.
TEST(EinstellungenSpeichern, RoundTripOfEveryColumn)
{
    OpenedTemplate t;
    Settings saved = marked();
    saved.SchriftFett = false;
    saved.SchriftKursiv = true;
    saved.Schrift3D = 2;
    saved.eigeneErlauben = false;
    saved.zeigDatum = true;
    saved.zeigRahmen = false;
    saved.erstVorbei = true;
    ASSERT_TRUE(EinstellungenSpeichern(t.row, saved)) << t.row.error().toStdString();

    RawSql raw(t.file.path());
    EXPECT_EQ(raw.scalar(QStringLiteral("SELECT erstVorbei FROM Einstellungen")).toInt(), 0);
    EXPECT_EQ(raw.scalar(QStringLiteral("SELECT ImmerOben FROM Einstellungen")).toInt(), -1);
    EXPECT_EQ(raw.scalar(QStringLiteral("SELECT Schrift3D FROM Einstellungen")).toInt(), 2);

    Settings loaded;
    EinstellungenLaden(t.row, loaded);
    loaded.Schrift3D = saved.Schrift3D; // written, never read back
    loaded.erstVorbei = saved.erstVorbei;
    EXPECT_EQ(loaded, saved);
}

// A save that cannot store (the row is locked by another process) fails and
// changes nothing in the row.
TEST(EinstellungenSpeichern, LockedRowFailsAndKeepsTheRow)
{
    TemplateCopy file;
    Database db;
    ASSERT_TRUE(db.open(file.path(), PasswordGuard::connectString, OpenMode::ReadWrite, 50));
    RecordSet row(db, QStringLiteral("Einstellungen"));
    ASSERT_TRUE(row.open());
    Settings s;
    EinstellungenLaden(row, s);
    const Settings stored = s;
    s.Speed = 99;
    s.passWort = QStringLiteral("new");

    RawSql locker(file.path());
    ASSERT_EQ(locker.exec(QStringLiteral("BEGIN EXCLUSIVE")), QString());
    EXPECT_FALSE(EinstellungenSpeichern(row, s));
    EXPECT_FALSE(row.error().isEmpty());
    locker.exec(QStringLiteral("ROLLBACK"));

    Settings reread;
    EinstellungenLaden(row, reread);
    EXPECT_EQ(reread, stored);
}
