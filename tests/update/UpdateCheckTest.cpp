// The daily version check against a real FTP server on 127.0.0.1 (pyftpdlib).

#include "update/UpdateCheck.h"
#include "support/FtpTestServer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <optional>

using namespace std::chrono_literals;
using qb::UpdateCheck;
using qb::test::FtpTestServer;

Q_DECLARE_METATYPE(std::optional<QByteArray>)
Q_DECLARE_METATYPE(FtpTestServer::Options)

namespace {

const QDate today(2026, 12, 6);
// Short limits, so a server that never answers ends the check within a second.
const qb::FtpTransfer::Limits shortLimits{500ms, 1000ms};
const QString fetchHelper = QStringLiteral(QB_FETCH_HELPER);

QByteArray fileContent(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class UpdateCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder.emplace();
        QDir::setCurrent(m_folder->path());
    }
    void cleanup() { m_folder.reset(); }

    void serverAnswers_data();
    void serverAnswers();
    void closedPortOffersNothing();
    void oneCheckADay();
    void markerOfYesterdayChecksAgain();
    void laterFailureKeepsTheOffer();
    void unwritableFolderStillChecksOnceADay();
    void bandKeepsTickingDuringSlowTransfer();
    void offNeverConnects();

private:
    // Runs the check of `today` against address and returns the offered version, or -1
    // when the check did not end within the wait.
    int runCheck(const QString& address)
    {
        UpdateCheck check(address, 300, shortLimits, fetchHelper);
        QSignalSpy checked(&check, &UpdateCheck::checked);
        if (!check.VersionPruefen(today) || !checked.wait(20'000))
            return -1;
        return checked.first().first().toInt();
    }

    std::optional<QTemporaryDir> m_folder;
};

void UpdateCheckTest::serverAnswers_data()
{
    QTest::addColumn<std::optional<QByteArray>>("file");
    QTest::addColumn<FtpTestServer::Options>("server");
    QTest::addColumn<int>("offered");

    const FtpTestServer::Options normal;
    QTest::newRow("newer version with a line break")
        << std::optional(QByteArray("301\r\n")) << normal << 301;
    QTest::newRow("newer version, Unix line break")
        << std::optional(QByteArray("302\nnotes\n")) << normal << 302;
    QTest::newRow("own version") << std::optional(QByteArray("300\r\n")) << normal << 0;
    QTest::newRow("not a number") << std::optional(QByteArray("abc\r\n")) << normal << 0;
    QTest::newRow("empty file") << std::optional(QByteArray()) << normal << 0;
    QTest::newRow("missing file") << std::optional<QByteArray>() << normal << 0;
    QTest::newRow("beyond 16 bits") << std::optional(QByteArray("70000\r\n")) << normal << 0;
    QTest::newRow("a megabyte without a line break")
        << std::optional(QByteArray(1 << 20, '3')) << normal << 0;
    QTest::newRow("refused login") << std::optional(QByteArray("301\r\n"))
                                   << FtpTestServer::Options{QStringLiteral("another1")} << 0;
    QTest::newRow("server that never answers")
        << std::optional(QByteArray("301\r\n"))
        << FtpTestServer::Options{qb::test::updatePassword, 0, true} << 0;
}

// Whatever the server does, the check ends, offers only a newer version, leaves today in
// the marker and no "serverversion.txt".
void UpdateCheckTest::serverAnswers()
{
    QFETCH(std::optional<QByteArray>, file);
    QFETCH(FtpTestServer::Options, server);
    QFETCH(int, offered);

    FtpTestServer ftp(server);
    QVERIFY(ftp.started());
    if (file)
        ftp.offer(QStringLiteral("serverversion.txt"), *file);
    QFile stale(QStringLiteral("serverversion.txt"));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("999\r\n"); // a leftover must not count as the server's answer
    stale.close();

    QCOMPARE(runCheck(ftp.address()), offered);
    QCOMPARE(ftp.connections(), 1);
    QVERIFY(!QFile::exists(QStringLiteral("serverversion.txt")));
    QCOMPARE(fileContent(QStringLiteral("hete.kvl")).trimmed(), QByteArray("2026-12-06"));
}

void UpdateCheckTest::closedPortOffersNothing()
{
    QString address;
    {
        FtpTestServer gone({});
        QVERIFY(gone.started());
        address = gone.address();
    }
    QCOMPARE(runCheck(address), 0);
}

// The marker written by the first check keeps every later start of the day from
// connecting, also a start while the first transfer still runs.
void UpdateCheckTest::oneCheckADay()
{
    FtpTestServer ftp({qb::test::updatePassword, 0.5});
    QVERIFY(ftp.started());
    ftp.offer(QStringLiteral("serverversion.txt"), "301\r\n");

    UpdateCheck first(ftp.address(), 300, shortLimits, fetchHelper);
    QSignalSpy checked(&first, &UpdateCheck::checked);
    QVERIFY(first.VersionPruefen(today));
    UpdateCheck sameDayWhileRunning(ftp.address(), 300, shortLimits, fetchHelper);
    QVERIFY(!sameDayWhileRunning.VersionPruefen(today));
    QVERIFY(checked.wait(20'000));
    QVERIFY(!first.VersionPruefen(today));

    UpdateCheck secondStart(ftp.address(), 300, shortLimits, fetchHelper);
    QVERIFY(!secondStart.VersionPruefen(today));
    QCOMPARE(ftp.connections(), 1);
    QCOMPARE(first.angebotVersion(), 301);
}

// A program left running into the next day, or started on a later day, checks again.
void UpdateCheckTest::markerOfYesterdayChecksAgain()
{
    FtpTestServer ftp({});
    QVERIFY(ftp.started());
    ftp.offer(QStringLiteral("serverversion.txt"), "301\r\n");
    QFile marker(QStringLiteral("hete.kvl"));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.write("2026-12-05\r\n");
    marker.close();

    QCOMPARE(runCheck(ftp.address()), 301);
    QCOMPARE(ftp.connections(), 1);

    UpdateCheck running(ftp.address(), 300, shortLimits, fetchHelper);
    QSignalSpy checked(&running, &UpdateCheck::checked);
    QVERIFY(!running.VersionPruefen(today));
    QVERIFY(running.VersionPruefen(today.addDays(1)));
    QVERIFY(checked.wait(20'000));
    QCOMPARE(ftp.connections(), 2);
}

// Regression: a later day's check that fails keeps the offer (the notice stays and still
// installs the offered version, never 0); one that finds nothing newer drops it.
void UpdateCheckTest::laterFailureKeepsTheOffer()
{
    FtpTestServer ftp({});
    QVERIFY(ftp.started());
    ftp.offer(QStringLiteral("serverversion.txt"), "301\r\n");
    UpdateCheck running(ftp.address(), 300, shortLimits, fetchHelper);
    QSignalSpy checked(&running, &UpdateCheck::checked);
    const auto checkOn = [&](const QDate& day) {
        checked.clear();
        return running.VersionPruefen(day) && checked.wait(20'000) ? checked.first().first().toInt()
                                                                   : -1;
    };
    QCOMPARE(checkOn(today), 301);
    QVERIFY(QFile::remove(QDir(ftp.folder()).filePath(QStringLiteral("serverversion.txt"))));
    QCOMPARE(checkOn(today.addDays(1)), 301);
    QCOMPARE(running.angebotVersion(), 301);
    ftp.offer(QStringLiteral("serverversion.txt"), "300\r\n");
    QCOMPARE(checkOn(today.addDays(2)), 0);
}

// Regression: a program folder where the marker cannot be written must not connect at
// every rebuild of the band.
void UpdateCheckTest::unwritableFolderStillChecksOnceADay()
{
    FtpTestServer ftp({});
    QVERIFY(ftp.started());
    ftp.offer(QStringLiteral("serverversion.txt"), "300\r\n");
    QVERIFY(QDir().mkdir(QStringLiteral("hete.kvl"))); // a folder in the marker's place

    UpdateCheck check(ftp.address(), 300, shortLimits, fetchHelper);
    QSignalSpy checked(&check, &UpdateCheck::checked);
    QVERIFY(check.VersionPruefen(today));
    QVERIFY(checked.wait(20'000));
    QVERIFY(!check.VersionPruefen(today));
    QCOMPARE(ftp.connections(), 1);
}

// The transfer runs beside the event loop: a 50 ms timer keeps firing while the server
// holds its answer back for a second.
void UpdateCheckTest::bandKeepsTickingDuringSlowTransfer()
{
    FtpTestServer ftp({qb::test::updatePassword, 1.0});
    QVERIFY(ftp.started());
    ftp.offer(QStringLiteral("serverversion.txt"), "301\r\n");

    UpdateCheck check(ftp.address(), 300, {10'000ms, 30'000ms}, fetchHelper);
    QSignalSpy checked(&check, &UpdateCheck::checked);
    int ticks = 0;
    QTimer timer;
    timer.setInterval(50);
    connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
    timer.start();
    QVERIFY(check.VersionPruefen(today));
    QVERIFY(checked.wait(20'000));
    QCOMPARE(checked.first().first().toInt(), 301);
    // A blocked loop would have seen one tick at most.
    QVERIFY2(ticks >= 10, qPrintable(QStringLiteral("%1 ticks").arg(ticks)));
}

// An empty address (QUILLABAND_UPDATE_URL set but empty) turns the check off: no marker,
// no connection.
void UpdateCheckTest::offNeverConnects()
{
    UpdateCheck check(QString(), 300, shortLimits, fetchHelper);
    QVERIFY(!check.VersionPruefen(today));
    QVERIFY(!QFile::exists(QStringLiteral("hete.kvl")));
}

QTEST_GUILESS_MAIN(UpdateCheckTest)
#include "UpdateCheckTest.moc"
