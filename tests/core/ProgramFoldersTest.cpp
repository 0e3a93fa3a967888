#include "core/ProgramFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qb;

// A build tree keeps everything beside the program; an installed program reads from
// ../share and ../libexec and writes into the user's state folder, whichever folder
// it was started from.
TEST(ProgramFolders, BuildTreeAndInstallation)
{
    QTemporaryDir root;
    const QString build = root.filePath(QStringLiteral("build/bin"));
    const QString installed = root.filePath(QStringLiteral("usr/bin"));
    ASSERT_TRUE(QDir().mkpath(build) && QDir().mkpath(installed));
    QFile templateFile(build + QStringLiteral("/org.kvl"));
    ASSERT_TRUE(templateFile.open(QIODevice::WriteOnly));

    struct Case
    {
        const char* name;
        QString program;
        QStringList environment;
        ProgramFolders expected;
    };
    const QString usr = root.filePath(QStringLiteral("usr"));
    const QString data = usr + QStringLiteral("/share/quillaband");
    const QString helpers = usr + QStringLiteral("/libexec/quillaband");
    const Case cases[] = {
        {"build tree: all beside the program", build, {"HOME=/home/a"}, {build, build, build}},
        {"installed: the state folder the environment names",
         installed,
         {"HOME=/home/a", "XDG_STATE_HOME=/var/state/a"},
         {data, helpers, "/var/state/a/quillaband", true}},
        {"installed: a relative XDG_STATE_HOME is ignored",
         installed + QStringLiteral("/"),
         {"HOME=/home/a", "XDG_STATE_HOME=state"},
         {data, helpers, "/home/a/.local/state/quillaband", true}},
        {"installed without a home: no state folder", installed, {}, {data, helpers, {}, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QProcessEnvironment environment;
        for (const QString& entry : c.environment)
            environment.insert(entry.section(QLatin1Char('='), 0, 0),
                               entry.section(QLatin1Char('='), 1));
        const ProgramFolders folders = programFoldersFor(c.program, environment);
        EXPECT_EQ(folders.data, c.expected.data);
        EXPECT_EQ(folders.helpers, c.expected.helpers);
        EXPECT_EQ(folders.state, c.expected.state);
        EXPECT_EQ(folders.installed, c.expected.installed);
    }
}
