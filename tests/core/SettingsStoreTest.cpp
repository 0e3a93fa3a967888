#include "core/SettingsStore.h"
#include "core/Database.h"
#include "core/PasswordGuard.h"
#include "core/RecordSet.h"
#include "support/RawSql.h"
#include "support/TemplateCopy.h"

#include <functional>
#include <gtest/gtest.h>

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
        ASSERT_EQ(
            RawSql(file.path()).exec(QStringLiteral("UPDATE Einstellungen SET ") + assignments),
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
// garbage, each row named by the rule it checks. The settings start out
// marked(), so a kept value shows as the marked one.
TEST(EinstellungenLaden, LoadRules)
{
    using Field = std::function<QVariant(const Settings&)>;
    const Field speed = [](const Settings& s) { return QVariant(s.Speed); };
    const Field window = [](const Settings& s) { return QVariant(s.fensterHgFarbe); };
    const Field size = [](const Settings& s) { return QVariant(s.SchriftGroesse); };
    const Field language = [](const Settings& s) { return QVariant(s.Sprache); };
    struct Case
    {
        const char* name;
        const char* stored;
        Field field;
        QVariant expected;
    };
    const Case cases[] = {
        {"Speed 4 is too slow and becomes 30", "Speed = 4", speed, 30},
        {"Speed 5 is the slowest kept", "Speed = 5", speed, 5},
        {"Speed Null becomes 30", "Speed = NULL", speed, 30},
        {"Speed garbage keeps the value", "Speed = 'fast'", speed, 18},
        {"negative window colour is the default", "fensterHgFarbe = -1", window, 0x800000},
        {"colour 0 stays black", "fensterHgFarbe = 0", window, 0},
        {"negative clock background is the default", "uhrHgFarbe = -5",
         [](const Settings& s) { return QVariant(s.uhrHgFarbe); }, 0xFFE0E0},
        {"negative band background is the default", "notizHgFarbe = -5",
         [](const Settings& s) { return QVariant(s.notizHgFarbe); }, 0xFFA0A0},
        {"empty font name gives the default name", "SchriftName = ''",
         [](const Settings& s) { return QVariant(s.SchriftName); }, "MS Sans Serif"},
        {"empty font name replaces the stored size", "SchriftName = '', SchriftGroesse = 20", size,
         8},
        {"empty font name replaces the stored colour", "SchriftName = '', SchriftFarbe = 255",
         [](const Settings& s) { return QVariant(s.SchriftFarbe); }, 0xFFFFFF},
        {"empty font name replaces bold and italic",
         "SchriftName = '', SchriftFett = 0, SchriftKursiv = -1",
         [](const Settings& s) { return QVariant(s.SchriftFett && !s.SchriftKursiv); }, true},
        {"Null font name counts as empty", "SchriftName = NULL, SchriftGroesse = 20", size, 8},
        {"a named font keeps its size", "SchriftName = 'DejaVu Sans', SchriftGroesse = 14", size,
         14},
        {"font colour reads its leading number", "SchriftFarbe = '255 red'",
         [](const Settings& s) { return QVariant(s.SchriftFarbe); }, 255},
        {"broadcaster colour without a number is 0", "SchriftFarbe2 = 'x'",
         [](const Settings& s) { return QVariant(s.SchriftFarbe2); }, 0},
        {"negative broadcaster colour is yellow", "SchriftFarbe2 = -1",
         [](const Settings& s) { return QVariant(s.SchriftFarbe2); }, 0x00FFFF},
        {"Null sysop mode is off", "sysopStatus = NULL",
         [](const Settings& s) { return QVariant(s.sysopStatus); }, false},
        {"Null receiver mode is off", "broadcastStatus = NULL",
         [](const Settings& s) { return QVariant(s.broadcastStatus); }, false},
        {"any non-zero switch is on", "ImmerOben = 1",
         [](const Settings& s) { return QVariant(s.ImmerOben); }, true},
        // Regression: 0.4 was rounded to 0 here and taken as True at start-up.
        {"a fraction is not zero, so on", "zeigRahmen = 0.4",
         [](const Settings& s) { return QVariant(s.zeigRahmen); }, true},
        {"zero as text is off", "ImmerOben = ' 0 '",
         [](const Settings& s) { return QVariant(s.ImmerOben); }, false},
        {"Null elsewhere keeps the value", "Sprache = NULL", language, 2},
        {"a language beyond 16 bits keeps the value", "Sprache = 70000", language, 2},
        {"text taken as stored", "passWort = 'geheim'",
         [](const Settings& s) { return QVariant(s.passWort); }, "geheim"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenedTemplate t;
        t.store(QString::fromLatin1(c.stored));
        Settings s = marked();
        EinstellungenLaden(t.row, s);
        EXPECT_EQ(c.field(s).toString(), c.expected.toString());
    }
}

// Optional columns that an older table lacks keep their values, for the local row and
// for the broadcaster's.
TEST(EinstellungenLaden, MissingOptionalColumnsKeepTheirValues)
{
    TemplateCopy file;
    for (const char* column : {"Speed", "sysopStatus", "broadcastStatus"})
        ASSERT_EQ(RawSql(file.path())
                      .exec(QStringLiteral("ALTER TABLE Einstellungen DROP COLUMN ") +
                            QString::fromLatin1(column)),
                  QString());
    Database db;
    db.open(file.path(), PasswordGuard::connectString, OpenMode::ReadWrite);
    RecordSet row{db, QStringLiteral("Einstellungen")};
    row.open();
    Settings s = marked();
    EinstellungenLaden(row, s);
    EXPECT_EQ(QList<int>({s.Speed, s.sysopStatus, s.broadcastStatus}), QList<int>({18, 1, 1}));
    s.Speed = 19;
    BroadcastEinstellungenLaden(row, s);
    EXPECT_EQ(s.Speed, 19);
    // The same row as the broadcaster's reader hands it over.
    QHash<QString, QVariant> values;
    for (const QString& column : row.columns())
        values.insert(column, row.value(column));
    s.Speed = 17;
    BroadcastEinstellungenLaden(values, s);
    EXPECT_EQ(s.Speed, 17);
}

// The template's row loads as a working first start.
TEST(EinstellungenLaden, TemplateRow)
{
    OpenedTemplate t;
    Settings s;
    EinstellungenLaden(t.row, s);
    EXPECT_EQ(QList<int>({s.Sprache, s.ImmerOben, s.dockPos, s.eigeneErlauben, s.zeigDatum,
                          s.zeigRahmen, s.erstVorbei, s.broadcastStatus, s.Speed}),
              QList<int>({1, 1, 0, 1, 1, 1, 0, 0, 30}));
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

    Settings expected = marked();
    expected.passWort = QStringLiteral("boss");
    expected.eigeneErlauben = expected.zeigDatum = expected.zeigRahmen = false;
    expected.Speed = 30;
    expected.fensterHgFarbe = 42;
    expected.uhrHgFarbe = Settings::defaultUhrHgFarbe;
    expected.notizHgFarbe = Settings::defaultNotizHgFarbe;
    expected.UhrSchriftFarbe = 0;
    expected.SchriftName = QStringLiteral("Broadcast Font");
    expected.SchriftGroesse = 11;
    expected.SchriftFarbe = Settings::defaultSchriftFarbe;
    expected.SchriftFett = true;
    expected.SchriftFarbe2 = 99;
    EXPECT_EQ(s, expected);
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
