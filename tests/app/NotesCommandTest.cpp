#include "NotesCommand.h"
#include "platform/Clock.h"
#include "support/RawSql.h"
#include "support/TemplateCopy.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

using namespace qb;
using qb::test::RawSql;
using qb::test::TemplateCopy;

namespace {

struct Outcome
{
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the companion in-process on a fresh copy of the template, which is also
// its default database. The clock stands on Tuesday 10 March 2026, 09:00.
class NotesCommandTest : public ::testing::Test
{
protected:
    Outcome run(const QStringList& arguments,
                const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedKingdom))
    {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        NotesCommand command(clock, QFileInfo(QStringLiteral(QB_TEMPLATE_PATH)).path(),
                             local.path(), locale);
        const int status = command.run(arguments, outStream, errStream);
        outStream.flush();
        errStream.flush();
        return {status, out.toStdString(), err.toStdString()};
    }

    // Adds a note and returns its ID as printed.
    QString add(const QStringList& arguments)
    {
        const Outcome added = run(QStringList{QStringLiteral("add")} + arguments);
        EXPECT_EQ(added.status, 0) << added.err;
        return QString::fromStdString(added.out).trimmed();
    }

    std::string list(const QString& database)
    {
        return run({QStringLiteral("--db"), database, QStringLiteral("list")}).out;
    }

    int noteCount(const QString& database)
    {
        return RawSql(database).scalar(QStringLiteral("SELECT COUNT(*) FROM Notizen")).toInt();
    }

    TemplateCopy local;
    FixedClock clock{QDateTime(QDate(2026, 3, 10), QTime(9, 0))};
};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// init copies the template and never overwrites a file.
TEST_F(NotesCommandTest, InitCreatesAWorkingDatabaseButRefusesAnExistingFile)
{
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("fresh.kvl"));
    const Outcome created = run({QStringLiteral("init"), fresh});
    EXPECT_EQ(created.status, 0) << created.err;
    EXPECT_EQ(created.out + created.err, "");
    EXPECT_EQ(contents(fresh), contents(QStringLiteral(QB_TEMPLATE_PATH)));
    EXPECT_EQ(list(fresh), "");

    const QByteArray before = contents(local.path());
    add({QStringLiteral("keep me")});
    const QByteArray withNote = contents(local.path());
    ASSERT_NE(withNote, before);
    const Outcome again = run({QStringLiteral("init"), local.path()});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, "quillaband-notes: \"" + local.path().toStdString() +
                             "\" already exists.\n");
    EXPECT_EQ(contents(local.path()), withNote);
}

// Each schedule option set stores exactly the columns the editor writes for it;
// the columns a rhythm does not use stay NULL.
TEST_F(NotesCommandTest, AddStoresTheEditorsEncodings)
{
    struct Case
    {
        const char* name;
        QStringList options;
        // quote() of Rhythmus | StartDatum | Dauer | Vorher | RhyDetails
        QString columns;
        std::optional<double> uhrVon;
        std::optional<double> uhrBis;
        std::string warning;
    };
    const Case cases[] = {
        {"permanent writes Rhythmus alone", {}, "0|NULL|NULL|NULL|NULL", {}, {}, ""},
        {"a window entered for a permanent note is not stored",
         {"--from", "08:00", "--to", "17:30"}, "0|NULL|NULL|NULL|NULL", {}, {}, ""},
        {"daily window as fractions of a day",
         {"--daily", "--from", "08:00", "--to", "17:30"}, "1|NULL|NULL|NULL|NULL",
         8 / 24.0, 17 / 24.0 + 30 / 1440.0, ""},
        {"daily whole day is 0 and 0", {"--daily"}, "1|NULL|NULL|NULL|NULL", 0.0, 0.0, ""},
        {"an end time alone starts at midnight, with the editor's question as warning",
         {"--daily", "--to", "12:00"}, "1|NULL|NULL|NULL|NULL", 0.0, 12 / 24.0,
         "quillaband-notes: warning: Start time missing.\n"},
        {"weekly Monday and Wednesday for four weeks",
         {"--weekly", "--days", "mon,wed", "--start", "2026-03-02", "--weeks", "4"},
         "2|'2026-03-02'|4|NULL|'-1 0-1 0 0 0 0'", 0.0, 0.0, ""},
        {"weekly Sunday alone from today without end",
         {"--weekly", "--days", "Sunday", "--from", "18:00", "--to", "23:59"},
         "2|'2026-03-10'|0|NULL|' 0 0 0 0 0 0-1'", 18 / 24.0, 23 / 24.0 + 59 / 1440.0, ""},
        {"monthly on the 15th, three days ahead",
         {"--monthly", "--day", "15", "--ahead", "3", "--start", "2026-01-01"},
         "3|'2026-01-01'|NULL|3|'115'", 0.0, 0.0, ""},
        {"monthly on the 5th stores two characters", {"--monthly", "--day", "5"},
         "3|'2026-03-10'|NULL|0|'15'", 0.0, 0.0, ""},
        {"monthly without a day takes today's", {"--monthly"}, "3|'2026-03-10'|NULL|0|'110'",
         0.0, 0.0, ""},
        {"monthly on the 31st warns but stores", {"--monthly", "--day", "31"},
         "3|'2026-03-10'|NULL|0|'131'", 0.0, 0.0,
         "quillaband-notes: warning: This note will not appear in February, April, June, "
         "September and November.\n"},
        {"monthly first Monday", {"--monthly", "--nth", "first", "--weekday", "mon"},
         "3|'2026-03-10'|NULL|0|'210'", 0.0, 0.0, ""},
        {"monthly last Friday", {"--monthly", "--nth", "last", "--weekday", "fri"},
         "3|'2026-03-10'|NULL|0|'254'", 0.0, 0.0, ""},
        {"yearly four dates in the given order, two digits each",
         {"--yearly", "--date", "24.12", "--date", "1.7", "--date", "29.02", "--date", "31.1",
          "--ahead", "7"},
         "4|'2026-03-10'|NULL|7|'2412010729023101'", 0.0, 0.0, ""},
        {"yearly single date with a window and a first date",
         {"--yearly", "--date", "01.05", "--from", "6", "--to", "7:30", "--start", "2027-01-01"},
         "4|'2027-01-01'|NULL|0|'0105'", 6 / 24.0, 7 / 24.0 + 30 / 1440.0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome added =
            run(QStringList{QStringLiteral("add"), QStringLiteral("  Grüße · Ärger ")} +
                c.options);
        ASSERT_EQ(added.status, 0) << added.err;
        EXPECT_EQ(added.err, c.warning);
        const QString id = QString::fromStdString(added.out).chopped(1);
        RawSql sql(local.path());
        const QString where = QStringLiteral(" FROM Notizen WHERE ID = ") + id;
        EXPECT_EQ(sql.scalar(QStringLiteral("SELECT MAX(ID) FROM Notizen")).toString(), id);
        EXPECT_EQ(sql.scalar(QStringLiteral("SELECT inhalt") + where).toString(),
                  QStringLiteral("  Grüße · Ärger "));
        EXPECT_EQ(sql.scalar(QStringLiteral("SELECT quote(Rhythmus) || '|' || quote(StartDatum) "
                                            "|| '|' || quote(Dauer) || '|' || quote(Vorher) || "
                                            "'|' || quote(RhyDetails)") +
                             where)
                      .toString()
                      .toStdString(),
                  c.columns.toStdString());
        for (const auto& [column, expected] :
             {std::pair{"UhrVon", c.uhrVon}, std::pair{"UhrBis", c.uhrBis}}) {
            const QVariant stored =
                sql.scalar(QStringLiteral("SELECT %1").arg(QLatin1String(column)) + where);
            if (expected)
                EXPECT_EQ(stored.toDouble(), *expected) << column;
            else
                EXPECT_TRUE(stored.isNull()) << column;
        }
    }
}

// The first date is read back through the editor's date routines in whatever
// locale the companion runs; a locale with another separator must not shift it.
TEST_F(NotesCommandTest, StartDateSurvivesEveryLocale)
{
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::German), QLocale(QLocale::Swedish)}) {
        SCOPED_TRACE(locale.name().toStdString());
        const Outcome added = run({"add", "x", "--monthly", "--start", "2026-11-04"}, locale);
        ASSERT_EQ(added.status, 0) << added.err;
        EXPECT_EQ(RawSql(local.path())
                      .scalar(QStringLiteral("SELECT StartDatum FROM Notizen WHERE ID = ") +
                              QString::fromStdString(added.out).trimmed())
                      .toString(),
                  QStringLiteral("2026-11-04"));
    }
}

// list prints ID, Rhythmus and text per row in ascending ID, gaps included.
TEST_F(NotesCommandTest, ListPrintsRowsInTableOrder)
{
    EXPECT_EQ(run({QStringLiteral("list")}).out, "");
    add({"Alpha"});
    add({"Beta", "--daily"});
    add({"Grüße · Ärger", "--weekly", "--days", "tue"});
    ASSERT_EQ(run({"remove", "2"}).status, 0);
    const Outcome listed = run({QStringLiteral("list")});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, "1\t0\tAlpha\n3\t2\tGrüße · Ärger\n");
    EXPECT_EQ(listed.err, "");
}

// due prints what a rebuild assembles at the moment: window edges hold to the
// second, the rhythms decide the day, and rows keep table order.
TEST_F(NotesCommandTest, DuePrintsTheTickerEntriesAtAMoment)
{
    add({"Always"});
    add({"Office", "--daily", "--from", "08:00", "--to", "17:30"});
    add({"Standup", "--weekly", "--days", "tue,thu", "--start", "2026-03-02", "--from", "09:00",
         "--to", "09:15"});
    add({"Rent", "--monthly", "--day", "15", "--ahead", "2", "--start", "2026-01-01"});
    add({"Review", "--monthly", "--nth", "last", "--weekday", "fri", "--start", "2026-01-01"});
    add({"Birthday", "--yearly", "--date", "12.03", "--ahead", "3", "--start", "2026-01-01"});

    struct Case
    {
        const char* name;
        QStringList at; // empty: the clock's moment
        std::string expected;
    };
    const Case cases[] = {
        {"a second before the window opens", {"--at", "2026-03-10T07:59:59"},
         "L\tAlways\nL\tBirthday\n"},
        {"the window opens at its first second", {"--at", "2026-03-10T08:00:00"},
         "L\tAlways\nL\tOffice\nL\tBirthday\n"},
        {"the weekly window's last second", {"--at", "2026-03-10T09:15:00"},
         "L\tAlways\nL\tOffice\nL\tStandup\nL\tBirthday\n"},
        {"a second after the weekly window", {"--at", "2026-03-10T09:15:01"},
         "L\tAlways\nL\tOffice\nL\tBirthday\n"},
        {"the daily window's last second", {"--at", "2026-03-10T17:30:00"},
         "L\tAlways\nL\tOffice\nL\tBirthday\n"},
        {"a second after the daily window", {"--at", "2026-03-10T17:30:01"},
         "L\tAlways\nL\tBirthday\n"},
        {"weekly not on a Wednesday", {"--at", "2026-03-11T09:10:00"},
         "L\tAlways\nL\tOffice\nL\tBirthday\n"},
        {"monthly from two days ahead, yearly past its day", {"--at", "2026-03-13T12:00:00"},
         "L\tAlways\nL\tOffice\nL\tRent\n"},
        {"last Friday of the month", {"--at", "2026-03-27T12:00:00"},
         "L\tAlways\nL\tOffice\nL\tReview\n"},
        {"without --at the clock's moment", {},
         "L\tAlways\nL\tOffice\nL\tStandup\nL\tBirthday\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome due = run(QStringList{QStringLiteral("due")} + c.at);
        EXPECT_EQ(due.status, 0) << due.err;
        EXPECT_EQ(due.out, c.expected);
        EXPECT_EQ(due.err, "");
    }
}

// Every ID is checked before anything is deleted.
TEST_F(NotesCommandTest, RemoveDeletesAllGivenIdsOrNone)
{
    struct Case
    {
        const char* name;
        QStringList ids;
        int status;
        std::string remaining;
        std::string err;
    };
    const Case cases[] = {
        {"one ID", {"2"}, 0, "1\t0\tA\n3\t0\tC\n", ""},
        {"several IDs", {"3", "1"}, 0, "2\t0\tB\n", ""},
        {"the same ID twice", {"2", "2"}, 0, "1\t0\tA\n3\t0\tC\n", ""},
        {"an ID with a plus sign or blanks is still that ID", {"+1", " 3 "}, 0, "2\t0\tB\n", ""},
        {"an unknown ID refuses all", {"1", "9"}, 2, "1\t0\tA\n2\t0\tB\n3\t0\tC\n",
         "quillaband-notes: There is no note with ID 9.\n"},
        {"a word is no ID", {"1", "two"}, 2, "1\t0\tA\n2\t0\tB\n3\t0\tC\n",
         "quillaband-notes: \"two\" is not an ID.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TemplateCopy fresh;
        for (const char* text : {"A", "B", "C"})
            run({"--db", fresh.path(), "add", text});
        const Outcome removed =
            run(QStringList{QStringLiteral("--db"), fresh.path(), QStringLiteral("remove")} +
                c.ids);
        EXPECT_EQ(removed.status, c.status);
        EXPECT_EQ(removed.out, "");
        EXPECT_EQ(removed.err, c.err);
        EXPECT_EQ(list(fresh.path()), c.remaining);
    }
}

// A receiver shows the broadcaster's notes first and adopts its permission for
// own notes, whatever the local file says; the broadcaster's file is only read.
TEST_F(NotesCommandTest, ReceiverShowsBroadcastFirstAndAdoptsItsPermission)
{
    TemplateCopy broadcaster(QStringLiteral("broadcast.kvl"));
    add({"Mine"});
    add({"Mine at night", "--daily", "--from", "22:00", "--to", "23:00"});
    run({"--db", broadcaster.path(), "add", "News"});
    run({"--db", broadcaster.path(), "add", "Lunch", "--daily", "--from", "12:00", "--to",
         "13:00"});

    struct Case
    {
        const char* name;
        int localAllows;
        int broadcasterAllows;
        bool receiver;
        std::string expected;
    };
    const Case cases[] = {
        {"broadcaster's notes before the local ones", -1, -1, true,
         "B\tNews\nB\tLunch\nL\tMine\n"},
        {"the broadcaster forbids own notes", -1, 0, true, "B\tNews\nB\tLunch\n"},
        {"the broadcaster's permission overrides the local one", 0, -1, true,
         "B\tNews\nB\tLunch\nL\tMine\n"},
        {"not a receiver and own notes forbidden: nothing", 0, -1, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RawSql(local.path()).exec("UPDATE Einstellungen SET eigeneErlauben = ?", {c.localAllows});
        RawSql(broadcaster.path())
            .exec("UPDATE Einstellungen SET eigeneErlauben = ?", {c.broadcasterAllows});
        const QByteArray broadcastBefore = contents(broadcaster.path());
        QStringList arguments{"due", "--at", "2026-03-10T12:30:00"};
        if (c.receiver)
            arguments << "--broadcast" << broadcaster.path();
        const Outcome due = run(arguments);
        EXPECT_EQ(due.status, 0) << due.err;
        EXPECT_EQ(due.out, c.expected);
        EXPECT_EQ(contents(broadcaster.path()), broadcastBefore);
    }
}

// What the editor refuses is refused with its English message, exit 2, and
// nothing is stored.
TEST_F(NotesCommandTest, AddRefusesWhatTheEditorRefuses)
{
    struct Case
    {
        const char* name;
        QStringList arguments;
        const char* message;
    };
    const Case cases[] = {
        {"text of blanks only", {"   "}, "Note text missing."},
        {"equal times", {"x", "--daily", "--from", "10:00", "--to", "10:00"},
         "End time after starting time!"},
        {"end before start", {"x", "--daily", "--from", "10:01", "--to", "10:00"},
         "End time after starting time!"},
        {"a time that is none", {"x", "--daily", "--from", "24:00", "--to", "10:00"},
         "Invalid time format."},
        {"weekly without a weekday", {"x", "--weekly"}, "No weekday selected."},
        {"n-th weekday without a position", {"x", "--monthly", "--weekday", "fri"},
         "Position of weekday within month not selected."},
        {"yearly without a date", {"x", "--yearly"}, "Day of year not selected."},
        {"yearly date without a month", {"x", "--yearly", "--date", "1.2", "--date", "24"},
         "Month missing."},
        {"weeks beyond 16 bits", {"x", "--weekly", "--days", "mon", "--weeks", "32768"},
         "Number too large."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome refused = run(QStringList{QStringLiteral("add")} + c.arguments);
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(refused.err, std::string("quillaband-notes: ") + c.message + "\n");
        EXPECT_EQ(noteCount(local.path()), 0);
    }
}

// A command line that cannot be read is exit 2 with a message; nothing is written.
TEST_F(NotesCommandTest, UsageErrorsExitWithTwo)
{
    struct Case
    {
        const char* name;
        QStringList arguments;
        const char* firstLine; // of stderr
        bool withUsage;
    };
    const Case cases[] = {
        {"no command", {}, "Usage:", true},
        {"unknown command", {"show"}, "quillaband-notes: Unknown command \"show\".", true},
        {"unknown option", {"list", "--colour"}, "quillaband-notes: Unknown option 'colour'.",
         true},
        {"an option of another command", {"list", "--daily"},
         "quillaband-notes: list does not take --daily.", true},
        {"init takes no --db", {"--db", "x.kvl", "init", "y.kvl"},
         "quillaband-notes: init does not take --db.", true},
        {"two rhythms", {"add", "x", "--daily", "--weekly"},
         "quillaband-notes: Choose one of --daily, --weekly, --monthly and --yearly.", false},
        {"an unknown weekday", {"add", "x", "--weekly", "--days", "mon,xyz"},
         "quillaband-notes: Unknown weekday \"xyz\".", false},
        {"an unknown position", {"add", "x", "--monthly", "--nth", "fifth", "--weekday", "mon"},
         "quillaband-notes: --nth takes first, second, third, fourth or last.", false},
        {"a start date that does not exist", {"add", "x", "--weekly", "--days", "mon",
                                               "--start", "2026-02-30"},
         "quillaband-notes: --start takes a date YYYY-MM-DD.", false},
        {"a thirteenth month", {"add", "x", "--yearly", "--date", "1.13"},
         "quillaband-notes: --date takes a month from 1 to 12.", false},
        {"five yearly dates", {"add", "x", "--yearly", "--date", "1.1", "--date", "2.1",
                               "--date", "3.1", "--date", "4.1", "--date", "5.1"},
         "quillaband-notes: A yearly note has at most four dates.", false},
        {"two texts", {"add", "x", "y"}, "quillaband-notes: add takes one TEXT (quote it).",
         false},
        {"a text of two lines", {"add", "x\ny"}, "quillaband-notes: A note is a single line.",
         false},
        {"a moment without seconds", {"due", "--at", "2026-03-10T09:00"},
         "quillaband-notes: --at takes YYYY-MM-DDThh:mm:ss.", false},
        {"list with an argument", {"list", "all"}, "quillaband-notes: list takes no arguments.",
         false},
        {"remove without IDs", {"remove"}, "quillaband-notes: remove takes one or more IDs.",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome refused = run(c.arguments);
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.out, "");
        const QString err = QString::fromStdString(refused.err);
        EXPECT_EQ(err.section(QLatin1Char('\n'), 0, 0).toStdString(), c.firstLine);
        EXPECT_EQ(err.contains(QStringLiteral("\nUsage:\n")) || err.startsWith("Usage:\n"),
                  c.withUsage);
        EXPECT_EQ(noteCount(local.path()), 0);
    }
}

// A file that is missing, not SQLite or lacks the password guard cannot be
// opened: exit 1 with the reason, for every command, and no file is created.
TEST_F(NotesCommandTest, UnopenableDatabaseExitsWithOne)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.kvl"));
    const QString text = dir.filePath(QStringLiteral("text.kvl"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2048, 'x'));
    file.close();
    TemplateCopy unguarded;
    ASSERT_EQ(RawSql(unguarded.path()).exec(QStringLiteral("DROP TABLE Zugang")), QString());

    struct Case
    {
        const char* name;
        QString path;
        const char* reasonPart;
    };
    const Case cases[] = {
        {"missing file", missing, "does not exist"},
        {"not a database", text, "is not a Quillaband database"},
        {"no password guard", unguarded.path(), "password"},
    };
    for (const Case& c : cases) {
        for (const QStringList& command :
             {QStringList{"list"}, QStringList{"add", "x"}, QStringList{"remove", "1"},
              QStringList{"due"}}) {
            SCOPED_TRACE(std::string(c.name) + " / " + command.first().toStdString());
            const Outcome failed = run(QStringList{QStringLiteral("--db"), c.path} + command);
            EXPECT_EQ(failed.status, 1);
            EXPECT_EQ(failed.out, "");
            EXPECT_NE(failed.err.find(c.reasonPart), std::string::npos) << failed.err;
        }
        const Outcome receiver = run({"due", "--broadcast", c.path});
        EXPECT_EQ(receiver.status, 1);
        EXPECT_NE(receiver.err.find(c.reasonPart), std::string::npos) << receiver.err;
    }
    EXPECT_FALSE(QFile::exists(missing));
}

// Another connection holds the write lock past the busy timeout: the add fails
// with exit 1 and a message, and the row is not stored.
TEST_F(NotesCommandTest, LockedDatabaseCannotBeWritten)
{
    RawSql other(local.path());
    ASSERT_EQ(other.exec(QStringLiteral("BEGIN IMMEDIATE")), QString());
    const Outcome failed = run({"add", "x"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(failed.err.rfind("quillaband-notes: Cannot write to \"" +
                                   local.path().toStdString() + "\": ",
                               0),
              0u)
        << failed.err;
    EXPECT_NE(failed.err.find("locked"), std::string::npos) << failed.err;
    ASSERT_EQ(other.exec(QStringLiteral("ROLLBACK")), QString());
    EXPECT_EQ(noteCount(local.path()), 0);
}

} // namespace
