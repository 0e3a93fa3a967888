// The pieces of the update that decide without a window or a network: the server's
// version text, the version text, the address, the notice's placement, the hand-over.

#include "dialogs/VersionText.h"
#include "update/ServerVersion.h"
#include "update/UpdateInstallation.h"
#include "update/UpdatePlacement.h"
#include "update/UpdateSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(ServerVersionLesen, LeadingNumberOfTheFirstLine)
{
    struct Case
    {
        const char* name;
        QByteArray text;
        int version;
    };
    const Case cases[] = {
        {"number and CR LF", "301\r\n", 301},
        {"number without line break", "301", 301},
        {"only the first line counts", "\r\n301\r\n", 0},
        {"blanks before the number", "  302 beta\n", 302},
        {"text after the number", "301abc", 301},
        {"decimals round to the nearest", "300.6\n", 301},
        {"halves round to even", "300.5\n", 300},
        {"not a number", "abc\n", 0},
        {"empty", "", 0},
        {"largest 16-bit number", "32767\n", 32767},
        {"beyond 16 bits", "32768\n", 0},
        {"far beyond", "99999999999999999999\n", 0},
        {"line ends within the first 64 bytes", QByteArray(62, ' ') + "7\n" + QByteArray(9, 'x'),
         7},
        {"no line break in 64 bytes of a longer file", QByteArray(65, '3'), 0},
        {"exactly 64 bytes without line break", QByteArray(61, ' ') + "305", 305},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ServerVersionLesen(c.text), c.version);
    }
}

TEST(VersionText, PointUnderEveryLocale)
{
    // A decimal-comma locale must not turn 3.00 into 3,00.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(VersionText(300, 1), QStringLiteral("Build 3.00"));
    EXPECT_EQ(VersionText(300, 2), QStringLiteral("Version 3.00"));
    EXPECT_EQ(VersionText(1205, 2), QStringLiteral("Version 12.05"));
    QLocale::setDefault(QLocale::c());
}

TEST(UpdateAdresse, EnvironmentReplacesOrTurnsOff)
{
    const QString builtIn = QStringLiteral("ftp://u:p@server/path/serverversion.txt");
    EXPECT_EQ(UpdateAdresse(std::nullopt, builtIn), builtIn);
    EXPECT_EQ(UpdateAdresse(QStringLiteral("ftp://a:b@mirror:2121/v.txt"), builtIn),
              QStringLiteral("ftp://a:b@mirror:2121/v.txt"));
    EXPECT_TRUE(UpdateAdresse(QString(), builtIn).isEmpty());
}

// The window's own test covers the band at either edge of a single screen.
TEST(Placement, UpdateSignalOnAPrimaryScreenRightOfAndBelowAnother)
{
    EXPECT_EQ(placement::updateSignal(3200, QRect(1280, 200, 1920, 30), QSize(150, 25), 0),
              QPoint(3050, 230));
}

// The hand-over in a folder of its own, with a recorded question, notice, browser and end.
class UpdateInstallation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_folder.path());
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    static void writeFile(const QString& name, const QByteArray& content,
                          QFileDevice::Permissions permissions)
    {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        file.setPermissions(permissions);
    }

    struct Run
    {
        int answer = 1;
        qint16 sprache = 1;
        int version = 301;
        bool installed = true;
        bool browser = true;
    };

    bool install(const Run& run)
    {
        const UpdateHandOver handOver{
            [this, run](int buttonSet, const QString& text) {
                questions << QStringLiteral("%1 %2").arg(buttonSet).arg(text);
                return run.answer;
            },
            [this] { return UpdaterStarten(QDir::current().absoluteFilePath(updater)); },
            [this](const QString& text) { notices << text; },
            [this, run](const QString& address) {
                opened << address;
                return run.browser;
            },
            [this] { ++ended; },
            run.installed,
        };
        return qb::UpdateInstallieren(run.version, run.sprache, handOver);
    }

    static bool exchangeFilesWritten()
    {
        return QFile::exists(QStringLiteral("updver.txt")) ||
               QFile::exists(QStringLiteral("updinfo.txt"));
    }

    const QString updater = QStringLiteral("quillaband-update");
    QStringList questions;
    QStringList notices;
    QStringList opened;
    int ended = 0;

private:
    QTemporaryDir m_folder;
    QString m_previous;
};

constexpr auto executable =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

// No to the question, or an offer of 0 (nothing newer, never asked): nothing is written
// and nothing started.
TEST_F(UpdateInstallation, NoOrNothingOfferedWritesNothing)
{
    writeFile(updater, "#!/bin/sh\ntouch started.txt\n", executable);
    EXPECT_FALSE(install({.answer = 2, .sprache = 2}));
    EXPECT_EQ(questions, QStringList{QStringLiteral("2 Jetzt Update installieren?")});
    EXPECT_FALSE(install({.version = 0}));
    EXPECT_EQ(questions.size(), 1);
    EXPECT_FALSE(exchangeFilesWritten());
    EXPECT_EQ(ended, 0);
    QTest::qWait(200);
    EXPECT_FALSE(QFile::exists(QStringLiteral("started.txt")));
}

// Yes: the exchange files, the updater started in this folder without arguments and told
// the band's process id (it leaves a marker with what it found), and the program ends.
TEST_F(UpdateInstallation, YesStartsTheUpdaterAndEnds)
{
    writeFile(updater,
              "#!/bin/sh\n{ cat updver.txt updinfo.txt; echo \"$# $QUILLABAND_BAND_PID\"; } "
              "> s.tmp\nmv s.tmp started.txt\n",
              executable);
    EXPECT_TRUE(install({}));
    EXPECT_EQ(questions, QStringList{QStringLiteral("2 Install update now?")});
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(notices.isEmpty());
    QFile marker(QStringLiteral("started.txt"));
    EXPECT_TRUE(QTest::qWaitFor([&marker] { return marker.exists(); }, 10'000));
    ASSERT_TRUE(marker.open(QIODevice::ReadOnly));
    EXPECT_EQ(marker.readAll(), QByteArray("301\r\n1\r\n0 ") +
                                    QByteArray::number(QCoreApplication::applicationPid()) + '\n');
}

// Regression: without a startable updater the program must not end; a notice says why
// nothing happens.
TEST_F(UpdateInstallation, UpdaterThatCannotStartKeepsTheProgram)
{
    struct Case
    {
        const char* name;
        bool present;
        QFileDevice::Permissions permissions;
    };
    const Case cases[] = {
        {"no updater", false, {}},
        {"updater not executable", true, QFileDevice::ReadOwner | QFileDevice::WriteOwner},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        notices.clear();
        QFile::remove(updater);
        if (c.present)
            writeFile(updater, "#!/bin/sh\n", c.permissions);
        EXPECT_FALSE(install({.sprache = 2}));
        EXPECT_EQ(ended, 0);
        EXPECT_EQ(notices,
                  QStringList{QStringLiteral("Das Update konnte nicht gestartet werden.")});
    }
}

// A build tree cannot replace itself: Yes opens the download page and a notice says so;
// without a browser a message names the page. No updater runs.
TEST_F(UpdateInstallation, BuildTreeOpensTheDownloadPage)
{
    writeFile(updater, "#!/bin/sh\ntouch started.txt\n", executable);
    EXPECT_FALSE(install({.installed = false}));
    EXPECT_EQ(notices, QStringList{QStringLiteral("Source build: download page opened.")});
    EXPECT_FALSE(install({.installed = false, .browser = false}));
    ASSERT_EQ(questions.size(), 3);
    EXPECT_TRUE(questions[2].startsWith(QStringLiteral("4 This copy was not installed")));
    EXPECT_TRUE(questions[2].endsWith(downloadPageAddress(1)));
    EXPECT_EQ(opened, QStringList(2, downloadPageAddress(1)));
    EXPECT_FALSE(exchangeFilesWritten());
    EXPECT_EQ(ended, 0);
}

// The updater's outcome reaches the next band once: read, then gone.
TEST_F(UpdateInstallation, ResultIsTakenOnce)
{
    EXPECT_TRUE(takeUpdateResult().isEmpty());
    ASSERT_TRUE(writeUpdateResult(QStringLiteral("Die Prüfsumme stimmt nicht.\n")));
    EXPECT_EQ(takeUpdateResult(), QStringLiteral("Die Prüfsumme stimmt nicht."));
    EXPECT_FALSE(QFile::exists(QStringLiteral("updresult.txt")));
    EXPECT_TRUE(takeUpdateResult().isEmpty());
}

} // namespace
} // namespace qb

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
