// quillaband-update: installs the version the band offered. The band leaves the version in
// "updver.txt" and the language in "updinfo.txt" of its state folder, starts this program
// there with its own process id in QUILLABAND_BAND_PID, and ends. This program fetches,
// verifies and installs the package in a small window, then starts the band again whatever
// came of it and leaves the outcome in "updresult.txt" for the band to show.

#include "update/UpdateInstallation.h"
#include "update/UpdateSource.h"
#include "update/UpdateTexts.h"
#include "update/Updater.h"
#include "update/ui/UpdateWindow.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <csignal>

namespace {

// Whether the process lives on (a process that has ended but is not yet reaped does not).
bool alive(qint64 pid)
{
    if (pid <= 0 || ::kill(static_cast<pid_t>(pid), 0) != 0)
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readLine(512);
    // "PID (NAME) STATE ...": the name may hold blanks and brackets, the state follows the
    // last closing bracket.
    return line.mid(line.lastIndexOf(')') + 2, 1) != "Z";
}

// Starts the band once the one that started the updater has ended (at most ten seconds
// later): a band that finds the old one still running would hand over to it and end.
void restartBand(const QString& band, qint64 oldBand, const std::function<void()>& then)
{
    auto* poll = new QTimer(qApp);
    const QDeadlineTimer deadline(10'000);
    const auto tryStart = [=] {
        if (alive(oldBand) && !deadline.hasExpired())
            return;
        poll->deleteLater();
        QProcess process;
        process.setProgram(band);
        process.setWorkingDirectory(QDir::currentPath());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QUILLABAND_BAND_PID"));
        process.setProcessEnvironment(environment);
        process.startDetached();
        then();
    };
    QObject::connect(poll, &QTimer::timeout, poll, tryStart);
    poll->start(100);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("quillaband-update"));
    const QString here = QCoreApplication::applicationDirPath();
    const qb::UpdateOrder order = qb::readUpdateOrder(QDir::current());

    qb::UpdateWindow window(order);
    qb::Updater updater(order, {qb::UpdateAdresse(),
                                QDir(here).filePath(QStringLiteral("quillaband-fetch")),
                                qb::installCommandSetting()});
    QObject::connect(&updater, &qb::Updater::stepStarted, &window, &qb::UpdateWindow::showStep);
    QObject::connect(&updater, &qb::Updater::progress, &window, &qb::UpdateWindow::showProgress);
    QObject::connect(&updater, &qb::Updater::finished, &window, [&](bool ok, const QString& text) {
        qb::writeUpdateResult(text);
        if (!ok)
            window.showFailure(text);
        restartBand(qb::bandProgram(here), qEnvironmentVariableIntValue("QUILLABAND_BAND_PID"),
                    [ok] {
                        if (ok)
                            QCoreApplication::quit();
                    });
    });
    window.show();
    QTimer::singleShot(0, &updater, &qb::Updater::start);
    return app.exec();
}
