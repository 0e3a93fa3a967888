#include "UpdateInstallation.h"

#include "core/ProgramFolders.h"
#include "core/ProgramValues.h"
#include "dialogs/VersionText.h"
#include "update/UpdateTexts.h"

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

} // namespace

bool UpdateInstallieren(int version, qint16 sprache, const UpdateHandOver& handOver)
{
    if (version <= 0)
        return false;
    if (handOver.MeldungZeigen(2, updateText(UpdateText::InstallQuestion, sprache)) != 1)
        return false;
    if (!handOver.installed) {
        // A build tree cannot replace itself: the download page instead.
        const QString page = downloadPageAddress(sprache);
        if (handOver.openAddress(page))
            handOver.notice(updateText(UpdateText::SourceBuild, sprache));
        else
            handOver.MeldungZeigen(4, updateText(UpdateText::CannotUpdateItself, sprache) + page);
        return false;
    }
    writeLine(QStringLiteral("updver.txt"), version);
    writeLine(QStringLiteral("updinfo.txt"), sprache);

    if (handOver.start()) {
        handOver.end();
        return true;
    }
    handOver.notice(updateText(UpdateText::UpdaterNotStarted, sprache));
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
