#include "UpdateInstallation.h"

#include "core/ProgramFolders.h"
#include "core/ProgramValues.h"
#include "dialogs/VersionText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

namespace qb {

namespace {

const QString resultFile = QStringLiteral("updresult.txt");
// A result is one or two sentences; more is not from the updater.
constexpr qint64 resultLimit = 2000;

void writeLine(const QString& name, int value)
{
    QFile file(name);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write((QString::number(value) + ProgramValues::Zeilenumbruch).toLatin1());
}

QString text(bool english, const char* englishText, const char* germanText)
{
    return QString::fromUtf8(english ? englishText : germanText);
}

} // namespace

bool UpdateInstallieren(int version, qint16 Sprache, const UpdateHandOver& handOver)
{
    if (version <= 0)
        return false;
    const bool english = Sprache == 1;
    if (handOver.MeldungZeigen(2, english ? QStringLiteral("Install update now?")
                                          : QStringLiteral("Jetzt Update installieren?")) != 1)
        return false;
    if (!handOver.installed) {
        // A build tree cannot replace itself: the download page instead.
        const QString page = downloadPageAddress(Sprache);
        if (handOver.openAddress(page))
            handOver.notice(text(english, "Source build: download page opened.",
                                 "Eigener Build: Download-Seite geöffnet."));
        else
            handOver.MeldungZeigen(4, text(english,
                                           "This copy was not installed from a package and "
                                           "cannot update itself. Download the new version "
                                           "from ",
                                           "Diese Kopie wurde nicht aus einem Paket installiert "
                                           "und kann sich nicht selbst aktualisieren. Die neue "
                                           "Version gibt es unter ") +
                                          page);
        return false;
    }
    writeLine(QStringLiteral("updver.txt"), version);
    writeLine(QStringLiteral("updinfo.txt"), Sprache);

    if (handOver.start()) {
        handOver.end();
        return true;
    }
    handOver.notice(text(english, "The update could not be started.",
                         "Das Update konnte nicht gestartet werden."));
    return false;
}

QString updaterProgram()
{
    return QDir(programFolders().helpers).filePath(QStringLiteral("quillaband-update"));
}

bool UpdaterStarten(const QString& program)
{
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(QDir::currentPath());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLABAND_BAND_PID"),
                       QString::number(QCoreApplication::applicationPid()));
    process.setProcessEnvironment(environment);
    return process.startDetached();
}

bool writeUpdateResult(const QString& text)
{
    QFile file(resultFile);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8().left(resultLimit)) >= 0 && file.flush();
}

QString takeUpdateResult()
{
    QFile file(resultFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.read(resultLimit)).trimmed();
    file.close();
    file.remove();
    return text;
}

} // namespace qb
