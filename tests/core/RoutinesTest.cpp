#include "core/FileRoutines.h"
#include "core/ShellRoutines.h"
#include "core/TextRoutines.h"
#include "platform/Clock.h"
#include "support/ScriptedPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace qb;

// The string routines, each result checked with what is left of the text; a
// row reads: routine(arguments) -> result, text afterwards.
TEST(TextRoutines, PositionsCutsAndReplacements)
{
    const auto cut = [](QString text, int count, int side) {
        const QString piece = Abschneiden(text, count, side);
        return piece + QLatin1Char('|') + text;
    };
    const auto replaced = [](QString text, int position, int count) {
        ZeichenErsetzen(text, QStringLiteral("X"), position, count);
        return text;
    };
    const auto joined = [](QString text) {
        ZeilenVerbinden(text);
        return text;
    };
    // LetztePosition counts from the end, 1-based; 0 when nothing is found.
    EXPECT_EQ(LetztePosition(QStringLiteral("a\t17"), QStringLiteral("\t")), 3) << "the ID's tab";
    EXPECT_EQ(LetztePosition(QStringLiteral("x\ty\tzz"), QStringLiteral("\t")), 3) << "later one";
    EXPECT_EQ(LetztePosition(QStringLiteral("ab--cd--e"), QStringLiteral("--")), 3);
    EXPECT_EQ(LetztePosition(QStringLiteral("abc"), QStringLiteral("\t")), 0);
    EXPECT_EQ(LetztePosition(QString(), QStringLiteral("a")), 0);
    // Abschneiden cuts at either end, or nothing when the bounds do not fit.
    EXPECT_EQ(cut(QStringLiteral("a\t17"), 2, 2), QStringLiteral("17|a\t")) << "the ID";
    EXPECT_EQ(cut(QStringLiteral("hello"), 2, 1), QStringLiteral("he|llo"));
    EXPECT_EQ(cut(QStringLiteral("abc"), 4, 2), QStringLiteral("|abc")) << "beyond the length";
    EXPECT_EQ(cut(QStringLiteral("abc"), 1, 3), QStringLiteral("|abc")) << "unknown side";
    EXPECT_EQ(cut(QString(), 0, 1), QStringLiteral("|"));
    // ZeichenErsetzen stops at the last character; outside the text it does nothing.
    EXPECT_EQ(replaced(QStringLiteral("abcdef"), 2, 3), QStringLiteral("aXef"));
    EXPECT_EQ(replaced(QStringLiteral("abc"), 2, 10), QStringLiteral("aX"));
    EXPECT_EQ(replaced(QStringLiteral("abc"), 4, 1), QStringLiteral("abc"));
    // ZeilenVerbinden joins CR LF pairs only.
    EXPECT_EQ(joined(QStringLiteral("1\r\n\r\n")), QStringLiteral("1  "));
    EXPECT_EQ(joined(QStringLiteral("a\rb\nc")), QStringLiteral("a\rb\nc"));
}

// The folder test must not move the process: relative names depend on it.
TEST(FileRoutines, FolderAndFileTests)
{
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    EXPECT_TRUE(OrdnerVorhanden(dir.path()));
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_FALSE(OrdnerVorhanden(dir.filePath(QStringLiteral("missing"))));
    EXPECT_EQ(QDir::currentPath(), before);

    QFile file(dir.filePath(QStringLiteral("f.txt")));
    file.open(QIODevice::WriteOnly);
    file.close();
    EXPECT_TRUE(DateiVorhanden(file.fileName()));
    EXPECT_FALSE(DateiVorhanden(dir.path())) << "a folder is not a file";
    EXPECT_FALSE(DateiVorhanden(dir.filePath(QStringLiteral("none.txt"))));
}

// The pause ends after the given time on the time of day, also across midnight.
TEST(FileRoutines, PauseAcrossMidnight)
{
    struct Case
    {
        const char* name;
        QTime start;
        double seconds;
        int expectedSteps;
    };
    const Case cases[] = {
        {"plain second", QTime(10, 0, 0), 1.0, 10},
        {"across midnight", QTime(23, 59, 59, 500), 1.0, 10},
        {"zero returns at once", QTime(12, 0), 0.0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FixedClock clock(QDateTime(QDate(2026, 12, 31), c.start));
        int steps = 0;
        Pause(c.seconds, clock, [&] {
            ++steps;
            clock.set(clock.now().addMSecs(100));
            ASSERT_LT(steps, 1000) << "the pause does not end";
        });
        EXPECT_EQ(steps, c.expectedSteps);
    }
}

TEST(ShellRoutines, HelpPageByLanguage)
{
    qb::test::ScriptedPlatform platform;
    EXPECT_TRUE(HilfeZeigen(platform, 1));
    EXPECT_TRUE(HilfeZeigen(platform, 2));
    EXPECT_FALSE(HilfeZeigen(platform, 3));
    EXPECT_EQ(platform.calls,
              (QStringList{"openDocument start-e.htm", "openDocument start-d.htm"}));
}

// Regression: copies of the template were forced to 0600, so receivers under other
// accounts could not read a broadcaster's file. The copy follows the umask.
TEST(FileRoutines, CopiesFollowTheUmask)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source"));
    {
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(200000, 'q'));
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    struct Case
    {
        mode_t umask;
        QFile::Permissions expected;
    };
    const QFile::Permissions owner =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    const Case cases[] = {
        {022, owner | QFile::ReadGroup | QFile::ReadOther},
        {077, owner},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.umask);
        const QString target = dir.filePath(QStringLiteral("copy-%1").arg(c.umask));
        const mode_t previous = ::umask(c.umask);
        const bool copied = DateiKopieren(source, target);
        ::umask(previous);
        ASSERT_TRUE(copied);
        EXPECT_EQ(QFile::permissions(target), c.expected);
        QFile copy(target);
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), QByteArray(200000, 'q'));
    }
    EXPECT_FALSE(DateiKopieren(dir.filePath(QStringLiteral("none")), dir.filePath("x")));
    EXPECT_FALSE(QFile::exists(dir.filePath("x")));
}
