#include "UpdateInstallation.h"

#include "core/ProgramValues.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace qb {

namespace {

const QString stored = QStringLiteral("qbi.kvl");
const QString updater = QStringLiteral("qbi.exe");

void writeLine(const QString& name, int value)
{
    QFile file(name);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write((QString::number(value) + ProgramValues::Zeilenumbruch).toLatin1());
}

} // namespace

bool UpdateInstallieren(int version, qint16 Sprache, const UpdateHandOver& handOver)
{
    const bool english = Sprache == 1;
    if (handOver.MeldungZeigen(2, english ? QStringLiteral("Install update now?")
                                          : QStringLiteral("Jetzt Update installieren?")) != 1)
        return false;
    writeLine(QStringLiteral("updver.txt"), version);
    writeLine(QStringLiteral("updinfo.txt"), Sprache);

    if (QFile::rename(stored, updater)) {
        if (handOver.start(updater)) {
            handOver.end();
            return true;
        }
        QFile::rename(updater, stored);
    }
    handOver.notice(english ? QStringLiteral("The update could not be started.")
                            : QStringLiteral("Das Update konnte nicht gestartet werden."));
    return false;
}

bool ProgrammStarten(const QString& program)
{
    const QDir here = QDir::current();
    return QProcess::startDetached(here.absoluteFilePath(program), {}, here.absolutePath());
}

} // namespace qb
