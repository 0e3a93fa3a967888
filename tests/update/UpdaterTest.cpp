// The updater's outcome for what the package tool answers, and for an offer of nothing.

#include "update/Updater.h"
#include "support/FtpTestServer.h"

#include <QCryptographicHash>
#include <QSignalSpy>
#include <QTest>

using qb::test::FtpTestServer;

class UpdaterTest : public QObject
{
    Q_OBJECT

private slots:
    void packageToolAnswers_data();
    void packageToolAnswers();
    void nothingOfferedConnectsNowhere();
};

void UpdaterTest::packageToolAnswers_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("text");
    QTest::newRow("prompt dismissed") << 126 << false << "Update failed: not authorised.";
    QTest::newRow("not authorised") << 127 << false << "Update failed: not authorised.";
    QTest::newRow("apt-get failed") << 100 << false << "Update failed: package tools failed.";
}

// A verified package reaches the package tool; a refusal of the authorisation prompt (126,
// 127 from pkexec) and any other failure are told apart.
void UpdaterTest::packageToolAnswers()
{
    QFETCH(int, status);
    QFETCH(bool, ok);
    QFETCH(QString, text);

    QTemporaryDir work;
    const QDir folder(work.path());
    QVERIFY(folder.mkpath(QStringLiteral("package/DEBIAN")));
    QFile control(folder.filePath(QStringLiteral("package/DEBIAN/control")));
    QVERIFY(control.open(QIODevice::WriteOnly));
    control.write("Package: quillaband\nVersion: 3.01\nArchitecture: amd64\n"
                  "Maintainer: Test <test@example.org>\nDescription: a test package\n");
    control.close();
    const QString deb = folder.filePath(QStringLiteral("p.deb"));
    QCOMPARE(QProcess::execute(QStringLiteral("dpkg-deb"),
                               {QStringLiteral("--root-owner-group"), QStringLiteral("--build"),
                                folder.filePath(QStringLiteral("package")), deb}),
             0);
    QFile package(deb);
    QVERIFY(package.open(QIODevice::ReadOnly));
    const QByteArray bytes = package.readAll();

    FtpTestServer ftp({});
    QVERIFY(ftp.started());
    const QString name = QStringLiteral("quillaband_3.01_amd64.deb");
    ftp.offer(name, bytes);
    ftp.offer(name + ".sha256",
              QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + "  " +
                  name.toLatin1() + '\n');

    // The package tool: keeps a copy of the file it gets and answers with `status`.
    const QString received = folder.filePath(QStringLiteral("received"));
    QFile tool(folder.filePath(QStringLiteral("tool")));
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.write(
        QStringLiteral("#!/bin/sh\ncp \"$1\" '%1'\nexit %2\n").arg(received).arg(status).toUtf8());
    tool.close();
    tool.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    qb::Updater updater({301, 1},
                        {ftp.address(), QStringLiteral(QB_FETCH_HELPER), tool.fileName()});
    QSignalSpy finished(&updater, &qb::Updater::finished);
    updater.start();
    QVERIFY(finished.wait(20'000));
    QCOMPARE(finished.first().at(0).toBool(), ok);
    QCOMPARE(finished.first().at(1).toString(), text);
    QFile copy(received);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), bytes);
}

void UpdaterTest::nothingOfferedConnectsNowhere()
{
    FtpTestServer ftp({});
    QVERIFY(ftp.started());
    qb::Updater updater({0, 2},
                        {ftp.address(), QStringLiteral(QB_FETCH_HELPER), QStringLiteral("false")});
    QSignalSpy finished(&updater, &qb::Updater::finished);
    updater.start();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().at(1).toString(),
             QStringLiteral("Update-Fehler: keine neue Version."));
    QCOMPARE(ftp.connections(), 0);
}

QTEST_GUILESS_MAIN(UpdaterTest)
#include "UpdaterTest.moc"
