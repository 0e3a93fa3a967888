#include "notes/NotesCommand.h"
#include "platform/Clock.h"
#include "support/RawSql.h"
#include "support/TemplateCopy.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

using namespace qb;
using qb::test::RawSql;
using qb::test::TemplateCopy;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A table row: why, the command line or its options (split at blanks), what it must give.
using Row = std::tuple<const char*, QString, std::string>;

// Runs the companion in-process on a fresh copy of the template, which is also
// its default database. The clock stands on Tuesday 10 March 2026, 09:00.
class NotesCommandTest : public ::testing::Test
{
protected:
    // The exit status and both streams, as "status|stdout|stderr".
    std::string run(const QStringList& arguments,
                    const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedKingdom))
    {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        NotesCommand command(clock, QFileInfo(QStringLiteral(QB_TEMPLATE_PATH)).path(),
                             local.path(), locale);
        const int status = command.run(arguments, outStream, errStream);
        outStream.flush();
        errStream.flush();
        return std::to_string(status) + '|' + out.toStdString() + '|' + err.toStdString();
    }
    std::string cmd(const QString& line) { return run(line.split(' ', Qt::SkipEmptyParts)); }

    TemplateCopy local;
    FixedClock clock{QDateTime(QDate(2026, 3, 10), QTime(9, 0))};
};

// init copies the template and never overwrites a file.
TEST_F(NotesCommandTest, InitCreatesAWorkingDatabaseButRefusesAnExistingFile)
{
    const QString fresh = local.folder() + "/fresh.kvl";
    EXPECT_EQ(run({"init", fresh}), "0||");
    EXPECT_EQ(contents(fresh), contents(QStringLiteral(QB_TEMPLATE_PATH)));
    EXPECT_EQ(cmd("list --db " + fresh), "0||");

    ASSERT_EQ(cmd("add keep"), "0|1\n|");
    const QByteArray withNote = contents(local.path());
    EXPECT_EQ(run({"init", local.path()}),
              "1||quillaband-notes: \"" + local.path().toStdString() + "\" already exists.\n");
    EXPECT_EQ(contents(local.path()), withNote);
}

// Each schedule stores exactly the columns the editor writes for it, the unused ones NULL;
// window times are fractions of a day, shown here in seconds. The adds run in German,
// whose date format differs from the stored one: the first date must not shift.
TEST_F(NotesCommandTest, AddStoresTheEditorsEncodings)
{
    // inhalt|Rhythmus|StartDatum|Dauer|Vorher|RhyDetails|UhrVon|UhrBis
    const char* const columns =
        "SELECT quote(inhalt) || '|' || quote(Rhythmus) || '|' || quote(StartDatum) || '|' || "
        "quote(Dauer) || '|' || quote(Vorher) || '|' || quote(RhyDetails) || '|' || "
        "quote(CAST(round(UhrVon * 86400) AS INTEGER)) || '|' || "
        "quote(CAST(round(UhrBis * 86400) AS INTEGER)) FROM Notizen WHERE ID = ";
    const Row rows[] = {
        {"permanent", "", "0|NULL|NULL|NULL|NULL|NULL|NULL"},
        {"daily window", "--daily --from 08:00 --to 17:30", "1|NULL|NULL|NULL|NULL|28800|63000"},
        {"daily whole day", "--daily", "1|NULL|NULL|NULL|NULL|0|0"},
        {"weekly Monday and Wednesday for four weeks",
         "--weekly --days mon,wed --start 2026-03-02 --weeks 4",
         "2|'2026-03-02'|4|NULL|'-1 0-1 0 0 0 0'|0|0"},
        {"monthly on the 15th, three days ahead", "--monthly --day 15 --ahead 3 --start 2026-11-04",
         "3|'2026-11-04'|NULL|3|'115'|0|0"},
        {"first Monday", "--monthly --nth first --weekday mon", "3|'2026-03-10'|NULL|0|'210'|0|0"},
        {"last Friday", "--monthly --nth last --weekday fri", "3|'2026-03-10'|NULL|0|'254'|0|0"},
        {"yearly dates in the given order, two digits each, a week ahead, a window",
         "--yearly --date 24.12 --date 1.7 --date 29.02 --ahead 7 --from 6 --to 7:30",
         "4|'2026-03-10'|NULL|7|'241201072902'|21600|27000"},
    };
    int id = 0;
    for (const auto& [name, options, expected] : rows) {
        SCOPED_TRACE(name);
        const QStringList arguments{"add", "  Grüße · Ärger "};
        ASSERT_EQ(run(arguments + options.split(' ', Qt::SkipEmptyParts), QLocale(QLocale::German)),
                  "0|" + std::to_string(++id) + "\n|");
        EXPECT_EQ(
            RawSql(local.path()).scalar(columns + QString::number(id)).toString().toStdString(),
            "'  Grüße · Ärger '|" + expected);
    }
}

// list prints ID, Rhythmus and text in table order; due prints what a rebuild assembles
// at a moment: window edges hold to the second, the rhythms decide the day.
TEST_F(NotesCommandTest, ListAndDuePrintTheTableAndTheTickerEntries)
{
    for (const char* note :
         {"Ever", "Work --daily --from 08:00 --to 17:30",
          "Sync --weekly --days tue,thu --start 2026-03-02 --from 09:00 --to 09:15",
          "Rent --monthly --day 15 --ahead 2 --start 2026-01-01",
          "Plan --monthly --nth last --weekday fri --start 2026-01-01",
          "Cake --yearly --date 12.03 --ahead 3 --start 2026-01-01"})
        ASSERT_EQ(cmd(QStringLiteral("add ") + note).front(), '0') << note;
    EXPECT_EQ(cmd("list"), "0|1\t0\tEver\n2\t1\tWork\n3\t2\tSync\n4\t3\tRent\n"
                           "5\t3\tPlan\n6\t4\tCake\n|");

    const Row rows[] = {
        {"a second before the window", "2026-03-10T07:59:59", "L\tEver\nL\tCake\n"},
        {"the window's first second", "2026-03-10T08:00:00", "L\tEver\nL\tWork\nL\tCake\n"},
        {"weekly window's end", "2026-03-10T09:15:00", "L\tEver\nL\tWork\nL\tSync\nL\tCake\n"},
        {"just after the weekly window", "2026-03-10T09:15:01", "L\tEver\nL\tWork\nL\tCake\n"},
        {"weekly not on a Wednesday", "2026-03-11T09:10:00", "L\tEver\nL\tWork\nL\tCake\n"},
        {"monthly ahead, yearly past", "2026-03-13T12:00:00", "L\tEver\nL\tWork\nL\tRent\n"},
        {"last Friday of the month", "2026-03-27T12:00:00", "L\tEver\nL\tWork\nL\tPlan\n"},
        {"the clock's moment", "", "L\tEver\nL\tWork\nL\tSync\nL\tCake\n"},
    };
    for (const auto& [name, at, expected] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(cmd(at.isEmpty() ? "due" : "due --at " + at), "0|" + expected + '|');
    }
}

// Stored daily rows whose times lie outside the day: the whole-day rule sees the two
// stored values before any range check, and otherwise such a row is never due.
TEST_F(NotesCommandTest, WholeDayRuleHoldsForStoredTimesOutsideTheDay)
{
    ASSERT_EQ(RawSql(local.path())
                  .exec("INSERT INTO Notizen (inhalt, Rhythmus, UhrVon, UhrBis) VALUES "
                        "('Sum0', 1, -0.25, 0.25), ('Early', 1, -0.25, 0.5), "
                        "('Late', 1, 0.25, 1.5)"),
              QString());
    EXPECT_EQ(cmd("due --at 2026-03-10T09:00:00"), "0|L\tSum0\n|");
}

// Every ID is checked before anything is deleted; list shows the gaps.
TEST_F(NotesCommandTest, RemoveDeletesAllGivenIdsOrNone)
{
    const Row rows[] = {
        {"one ID", "2", "0||0|1\t0\tA\n3\t0\tC\n|"},
        {"several IDs", "3 1", "0||0|2\t0\tB\n|"},
        {"a plus sign still names the ID", "+1 3", "0||0|2\t0\tB\n|"},
        {"an unknown ID refuses all", "1 9",
         "2||quillaband-notes: There is no note with ID 9.\n0|1\t0\tA\n2\t0\tB\n3\t0\tC\n|"},
    };
    for (const auto& [name, ids, expected] : rows) {
        SCOPED_TRACE(name);
        TemplateCopy fresh;
        for (const char* text : {"A", "B", "C"})
            run({"--db", fresh.path(), "add", text});
        const QString db = "--db " + fresh.path();
        const std::string removed = cmd(db + " remove " + ids);
        EXPECT_EQ(removed + cmd(db + " list"), expected);
    }
}

// A receiver shows the broadcaster's notes first and adopts its permission for own
// notes, whatever the local file says; the broadcaster's file is only read.
TEST_F(NotesCommandTest, ReceiverShowsBroadcastFirstAndAdoptsItsPermission)
{
    TemplateCopy broadcaster(QStringLiteral("broadcast.kvl"));
    cmd("add Mine");
    cmd("--db " + broadcaster.path() + " add News");
    cmd("--db " + broadcaster.path() + " add Lunch --daily --from 12:00 --to 13:00");

    // why, eigeneErlauben local and of the broadcaster, whether a receiver, what is due
    const std::tuple<const char*, int, int, bool, std::string> cases[] = {
        {"broadcaster's notes first", -1, -1, true, "B\tNews\nB\tLunch\nL\tMine\n"},
        {"the broadcaster forbids own notes", -1, 0, true, "B\tNews\nB\tLunch\n"},
        {"the broadcaster's permission wins", 0, -1, true, "B\tNews\nB\tLunch\nL\tMine\n"},
        {"no receiver: the local permission holds", 0, -1, false, ""},
    };
    for (const auto& [name, localAllows, broadcasterAllows, receiver, expected] : cases) {
        SCOPED_TRACE(name);
        const QString allow = QStringLiteral("UPDATE Einstellungen SET eigeneErlauben = ?");
        RawSql(local.path()).exec(allow, {localAllows});
        RawSql(broadcaster.path()).exec(allow, {broadcasterAllows});
        const QByteArray broadcastBefore = contents(broadcaster.path());
        const QString from = receiver ? " --broadcast " + broadcaster.path() : QString();
        EXPECT_EQ(cmd("due --at 2026-03-10T12:30:00" + from), "0|" + expected + '|');
        EXPECT_EQ(contents(broadcaster.path()), broadcastBefore);
    }
}

// What the editor refuses, and a command line that cannot be read, is exit 2 with a
// message on stderr, followed by the usage where the command itself is wrong; nothing
// is stored.
TEST_F(NotesCommandTest, RefusalsAndUsageErrorsExitWithTwo)
{
    const std::string usage = cmd("").substr(3);
    ASSERT_EQ(cmd("").rfind("2||Usage:\n", 0), 0u);
    const Row rows[] = {
        {"end time not after start", "add x --daily --from 10:00 --to 10:00",
         "End time after starting time!\n"},
        {"weekly without a weekday", "add x --weekly", "No weekday selected.\n"},
        {"n-th weekday without a position", "add x --monthly --weekday fri",
         "Position of weekday within month not selected.\n"},
        {"yearly date without a month", "add x --yearly --date 1.2 --date 24", "Month missing.\n"},
        {"unknown command", "show", "Unknown command \"show\".\n" + usage},
        {"an option of another command", "list --daily", "list does not take --daily.\n" + usage},
        {"two texts", "add x y", "add takes one TEXT (quote it).\n"},
        {"a day that is not a number", "add x --monthly --day -3", "--day takes a number.\n"},
        {"a year before the editor's", "add x --weekly --days mon --start 1899-12-31",
         "Invalid date.\n"},
    };
    for (const auto& [name, line, expected] : rows)
        EXPECT_EQ(cmd(line), "2||quillaband-notes: " + expected) << name;
    EXPECT_EQ(run({"add", "   "}), "2||quillaband-notes: Note text missing.\n");
    EXPECT_EQ(cmd("list"), "0||");
}

// A file that is missing, not SQLite or lacks the password guard cannot be opened, as
// local database or as broadcaster: exit 1 with the reason, and no file is created.
// Another connection holding the write lock past the busy timeout fails an add alike.
TEST_F(NotesCommandTest, DatabasesThatCannotBeUsedExitWithOne)
{
    const QString missing = local.folder() + "/missing.kvl", text = local.folder() + "/text.kvl";
    std::ofstream(text.toStdString()) << std::string(2048, 'x');
    TemplateCopy unguarded;
    ASSERT_EQ(RawSql(unguarded.path()).exec(QStringLiteral("DROP TABLE Zugang")), QString());
    const std::pair<QString, const char*> files[] = {{missing, "does not exist"},
                                                     {text, "is not a Quillaband database"},
                                                     {unguarded.path(), "password"}};
    for (const auto& [path, reason] : files) {
        for (const char* line : {"--db %1 list", "--db %1 add x", "due --broadcast %1"}) {
            const std::string failed = cmd(QString::fromLatin1(line).arg(path));
            EXPECT_EQ(failed.rfind("1||quillaband-notes: ", 0), 0u) << line << failed;
            EXPECT_NE(failed.find(reason), std::string::npos) << line << failed;
        }
    }
    EXPECT_FALSE(QFile::exists(missing));

    RawSql other(local.path());
    ASSERT_EQ(other.exec(QStringLiteral("BEGIN IMMEDIATE")), QString());
    const std::string locked = cmd("add x");
    const std::string cannot =
        "1||quillaband-notes: Cannot write to \"" + local.path().toStdString();
    EXPECT_EQ(locked.rfind(cannot + "\": ", 0), 0u) << locked;
    EXPECT_NE(locked.find("locked"), std::string::npos) << locked;
    ASSERT_EQ(other.exec(QStringLiteral("ROLLBACK")), QString());
    EXPECT_EQ(cmd("list"), "0||");
}

} // namespace
