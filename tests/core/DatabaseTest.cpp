#include "core/Database.h"
#include "core/PasswordGuard.h"
#include "core/RecordSet.h"
#include "support/OpenNotes.h"
#include "support/RawSql.h"
#include "support/TemplateCopy.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace qb;
using qb::test::OpenNotes;
using qb::test::RawSql;
using qb::test::TemplateCopy;

namespace {

QStringList walkTexts(RecordSet& notes)
{
    QStringList texts;
    if (!notes.first())
        return {QStringLiteral("<error>")};
    for (; !notes.atEnd(); notes.next())
        texts << notes.value(QStringLiteral("inhalt")).toString();
    return texts;
}

} // namespace

// Every way an open can fail gives a reason and leaves the object closed.
TEST(Database, OpenFailuresGiveReasons)
{
    TemplateCopy good;
    QTemporaryDir dir;
    const QString garbage = dir.filePath(QStringLiteral("garbage.kvl"));
    {
        QFile file(garbage);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(4096, 'x'));
    }
    TemplateCopy noNotes;
    RawSql(noNotes.path()).exec(QStringLiteral("DROP TABLE Notizen"));
    TemplateCopy noGuard;
    RawSql(noGuard.path()).exec(QStringLiteral("DROP TABLE Zugang"));

    struct Case
    {
        const char* name;
        QString path;
        QString connect;
        const char* reasonPart;
    };
    std::vector<Case> cases = {
        {"wrong password", good.path(), QStringLiteral(";pwd=wrong"), "password"},
        {"no password", good.path(), QString(), "password"},
        {"missing file", dir.filePath(QStringLiteral("none.kvl")), PasswordGuard::connectString,
         "does not exist"},
        {"not a database", garbage, PasswordGuard::connectString, "not a Quillaband database"},
        {"no Notizen table", noNotes.path(), PasswordGuard::connectString, "no table Notizen"},
        {"no password guard", noGuard.path(), PasswordGuard::connectString, "password"},
    };
    TemplateCopy locked;
    RawSql locker(locked.path());
    locker.exec(QStringLiteral("BEGIN EXCLUSIVE"));
    cases.push_back({"locked by another program", locked.path(), PasswordGuard::connectString,
                     "locked by another program"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Database db;
        EXPECT_FALSE(db.open(c.path, c.connect, OpenMode::ReadWrite, 50));
        EXPECT_FALSE(db.isOpen());
        EXPECT_TRUE(db.error().contains(QLatin1String(c.reasonPart))) << db.error().toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("none.kvl"))))
        << "opening a missing file must not create it";
}

// Add, edit, delete: each change is in the file, seen by a second connection.
TEST(RecordSet, AddEditDeleteRoundTrip)
{
    TemplateCopy file;
    OpenNotes open(file.path());
    RecordSet& notes = open.notes;
    ASSERT_TRUE(open.add({"one", "two", "three"}));
    EXPECT_EQ(walkTexts(notes), (QStringList{"one", "two", "three"}));

    ASSERT_TRUE(notes.first());
    ASSERT_TRUE(notes.next());
    ASSERT_TRUE(notes.edit());
    notes.setValue(QStringLiteral("inhalt"), QStringLiteral("TWO"));
    EXPECT_EQ(notes.value(QStringLiteral("inhalt")).toString(), QStringLiteral("TWO"));
    ASSERT_TRUE(notes.update());
    ASSERT_TRUE(notes.remove());
    ASSERT_TRUE(notes.next());
    EXPECT_EQ(notes.value(QStringLiteral("inhalt")).toString(), QStringLiteral("three"))
        << "next() after a delete moves to the row after the deleted one";

    RawSql other(file.path());
    EXPECT_EQ(
        other.scalar(QStringLiteral("SELECT group_concat(inhalt, ',') FROM Notizen")).toString(),
        QStringLiteral("one,three"));
}

// Rows come in ascending ID across page boundaries, including rows that another
// connection adds while this one walks.
TEST(RecordSet, WalksPagesInTableOrderAndSeesNewRows)
{
    TemplateCopy file;
    OpenNotes open(file.path(), OpenMode::ReadWrite, 2);
    RecordSet& notes = open.notes;
    ASSERT_TRUE(open.add({"1", "2", "3", "4", "5"}));
    EXPECT_EQ(walkTexts(notes), (QStringList{"1", "2", "3", "4", "5"}));

    ASSERT_TRUE(notes.first());
    RawSql(file.path()).exec(QStringLiteral("INSERT INTO Notizen (inhalt) VALUES ('6')"));
    QStringList seen;
    for (; !notes.atEnd(); notes.next())
        seen << notes.value(QStringLiteral("inhalt")).toString();
    EXPECT_EQ(seen, (QStringList{"1", "2", "3", "4", "5", "6"}));

    // Deleting the last row of a page must not end the walk.
    ASSERT_TRUE(notes.first());
    for (; !notes.atEnd(); notes.next()) {
        if (notes.value(QStringLiteral("inhalt")).toInt() % 2 == 0) {
            ASSERT_TRUE(notes.remove());
        }
    }
    EXPECT_EQ(walkTexts(notes), (QStringList{"1", "3", "5"}));
}

// A bookmark is the row's key: it still finds the row after the database was
// closed and opened again, and fails cleanly for a deleted row.
TEST(RecordSet, BookmarksSurviveReopen)
{
    TemplateCopy file;
    QString mark;
    {
        OpenNotes writing(file.path(), OpenMode::ReadWrite, 2);
        ASSERT_TRUE(writing.add({"a", "b", "c", "d"}));
        ASSERT_TRUE(writing.notes.first());
        writing.notes.next();
        writing.notes.next();
        mark = writing.notes.bookmark();
    }
    OpenNotes open(file.path(), OpenMode::ReadOnly, 2);
    RecordSet& notes = open.notes;
    ASSERT_TRUE(notes.setBookmark(mark));
    EXPECT_EQ(notes.value(QStringLiteral("inhalt")).toString(), QStringLiteral("c"));
    ASSERT_TRUE(notes.next());
    EXPECT_EQ(notes.value(QStringLiteral("inhalt")).toString(), QStringLiteral("d"));

    RawSql(file.path()).exec(QStringLiteral("DELETE FROM Notizen WHERE inhalt = 'c'"));
    EXPECT_FALSE(notes.setBookmark(mark));
    EXPECT_FALSE(notes.setBookmark(QStringLiteral("not a bookmark")));
}

// findLast takes "ID = n" and finds that row; anything else is refused.
TEST(RecordSet, FindLastById)
{
    TemplateCopy file;
    OpenNotes open(file.path());
    RecordSet& notes = open.notes;
    ASSERT_TRUE(open.add({"x", "y", "z"}));
    const qint64 lastId = notes.lastAdded();

    ASSERT_TRUE(notes.findLast(QStringLiteral("ID = %1").arg(lastId - 1)));
    EXPECT_EQ(notes.value(QStringLiteral("inhalt")).toString(), QStringLiteral("y"));
    EXPECT_EQ(notes.value(QStringLiteral("ID")).toLongLong(), lastId - 1);

    EXPECT_FALSE(notes.findLast(QStringLiteral("ID = 999")));
    EXPECT_TRUE(notes.error().isEmpty()) << "no match is not an error";
    EXPECT_EQ(notes.value(QStringLiteral("inhalt")).toString(), QStringLiteral("y"))
        << "no match leaves the position";
    EXPECT_FALSE(notes.findLast(QStringLiteral("inhalt = 'x'; DROP TABLE Notizen")));
    EXPECT_EQ(notes.rowCount(), 3);
}

// Two connections on one file: the reader sees the writer's rows and never
// writes; a writer blocked past the busy timeout fails, leaves the row as it
// was and keeps its change for a retry.
TEST(RecordSet, TwoConnectionsShareOneFile)
{
    TemplateCopy file;
    OpenNotes writer(file.path());
    OpenNotes reader(file.path(), OpenMode::ReadOnly);
    RecordSet& read = reader.notes;
    ASSERT_TRUE(writer.add({"from the writer"}));
    EXPECT_EQ(walkTexts(read), QStringList{QStringLiteral("from the writer")});
    EXPECT_EQ(RawSql(file.path()).scalar(QStringLiteral("PRAGMA journal_mode")).toString(),
              QStringLiteral("delete"));
    EXPECT_FALSE(read.addNew() && read.update()) << "a read-only connection never writes";

    OpenNotes impatient(file.path(), OpenMode::ReadWrite, RecordSet::defaultPageSize, 100);
    RecordSet& blocked = impatient.notes;
    RawSql locker(file.path());
    ASSERT_EQ(locker.exec(QStringLiteral("BEGIN EXCLUSIVE")), QString());
    ASSERT_TRUE(blocked.edit());
    blocked.setValue(QStringLiteral("inhalt"), QStringLiteral("changed"));
    EXPECT_FALSE(blocked.update());
    EXPECT_FALSE(blocked.error().isEmpty());
    locker.exec(QStringLiteral("ROLLBACK"));
    EXPECT_EQ(walkTexts(read), QStringList{QStringLiteral("from the writer")});
    EXPECT_TRUE(blocked.update()) << "the pending change is kept for a retry";
}

// Regression: a lock that landed between the queries of an opening was
// reported as a wrong password. Another thread takes and drops the lock
// without pause while this one opens the file again and again.
TEST(Database, LockDuringOpeningIsNeverAWrongPassword)
{
    TemplateCopy file;
    std::atomic<bool> stop = false;
    std::thread locker([&] {
        RawSql lock(file.path());
        while (!stop) {
            lock.exec(QStringLiteral("BEGIN EXCLUSIVE"));
            lock.exec(QStringLiteral("COMMIT"));
        }
    });
    int locked = 0;
    for (int attempt = 0; attempt < 3000; ++attempt) {
        Database db;
        if (db.open(file.path(), PasswordGuard::connectString, OpenMode::ReadOnly, 0))
            continue;
        ASSERT_FALSE(db.error().contains(QStringLiteral("password"))) << attempt;
        EXPECT_TRUE(db.lockedOut()) << db.error().toStdString();
        ++locked;
    }
    stop = true;
    locker.join();
    EXPECT_GT(locked, 0) << "the lock never met an opening";
}

// The wait for other programs' locks is set on the SQLite connection itself; a closed
// database refuses it and keeps its last value.
TEST(Database, BusyTimeoutReachesTheConnection)
{
    TemplateCopy file;
    OpenNotes opened(file.path());
    Database& db = opened.db;
    ASSERT_TRUE(db.setBusyTimeout(20));
    EXPECT_EQ(db.busyTimeout(), 20);
    QSqlQuery setting(db.connection());
    ASSERT_TRUE(setting.exec(QStringLiteral("PRAGMA busy_timeout")) && setting.next());
    EXPECT_EQ(setting.value(0).toInt(), 20);
    db.close();
    EXPECT_FALSE(db.setBusyTimeout(100));
    EXPECT_EQ(db.busyTimeout(), 20);
}
