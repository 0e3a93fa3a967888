#include "core/FileRoutines.h"
#include "core/ShellRoutines.h"
#include "core/TextRoutines.h"
#include "platform/Clock.h"
#include "support/ScriptedPlatform.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qb;

// The search from the end and its 1-based result counted from the end.
TEST(TextRoutines, LetztePosition)
{
    struct Case
    {
        const char* name;
        QString text;
        QString pattern;
        int expected;
    };
    const Case cases[] = {
        {"tab before the ID", QStringLiteral("a\t17"), QStringLiteral("\t"), 3},
        {"later of two occurrences", QStringLiteral("x\ty\tzz"), QStringLiteral("\t"), 3},
        {"multi-character pattern", QStringLiteral("ab--cd--e"), QStringLiteral("--"), 3},
        {"not found", QStringLiteral("abc"), QStringLiteral("\t"), 0},
        {"empty text", QString(), QStringLiteral("a"), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LetztePosition(c.text, c.pattern), c.expected);
    }
}

// Cutting from either end, and the bounds at which nothing is cut.
TEST(TextRoutines, Abschneiden)
{
    struct Case
    {
        const char* name;
        QString text;
        int count;
        int side;
        QString piece;
        QString rest;
    };
    const Case cases[] = {
        {"ID after the tab", QStringLiteral("a\t17"), 2, 2, QStringLiteral("17"),
         QStringLiteral("a\t")},
        {"from the left", QStringLiteral("hello"), 2, 1, QStringLiteral("he"),
         QStringLiteral("llo")},
        {"count beyond the length", QStringLiteral("abc"), 4, 2, QString(), QStringLiteral("abc")},
        {"unknown side", QStringLiteral("abc"), 1, 3, QString(), QStringLiteral("abc")},
        {"empty text", QString(), 0, 1, QString(), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString text = c.text;
        EXPECT_EQ(Abschneiden(text, c.count, c.side), c.piece);
        EXPECT_EQ(text, c.rest);
    }
}

TEST(TextRoutines, ZeichenErsetzenAndZeilenVerbinden)
{
    struct Case
    {
        const char* name;
        QString text;
        int position;
        int count;
        QString expected;
    };
    const Case cases[] = {
        {"inside", QStringLiteral("abcdef"), 2, 3, QStringLiteral("aXef")},
        {"range past the end stops at the last character", QStringLiteral("abc"), 2, 10,
         QStringLiteral("aX")},
        {"position past the end changes nothing", QStringLiteral("abc"), 4, 1,
         QStringLiteral("abc")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString text = c.text;
        ZeichenErsetzen(text, QStringLiteral("X"), c.position, c.count);
        EXPECT_EQ(text, c.expected);
    }

    QString lines = QStringLiteral("1\r\n\r\n");
    ZeilenVerbinden(lines);
    EXPECT_EQ(lines, QStringLiteral("1  "));
    QString lone = QStringLiteral("a\rb\nc");
    ZeilenVerbinden(lone);
    EXPECT_EQ(lone, QStringLiteral("a\rb\nc")) << "only CR LF pairs are joined";
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
    EXPECT_EQ(platform.calls, (QStringList{"openDocument start-e.htm", "openDocument start-d.htm"}));
}
