#include "ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qb {

ProgramFolders programFoldersFor(const QString& programFolder,
                                 const QProcessEnvironment& environment)
{
    const QDir program(programFolder);
    if (QFileInfo::exists(program.filePath(QStringLiteral("org.kvl"))))
        return {program.absolutePath(), program.absolutePath(), program.absolutePath(), false};

    ProgramFolders folders;
    folders.installed = true;
    folders.data = QDir::cleanPath(program.absoluteFilePath(QStringLiteral("../share/quillaband")));
    folders.helpers =
        QDir::cleanPath(program.absoluteFilePath(QStringLiteral("../libexec/quillaband")));
    QString stateHome = environment.value(QStringLiteral("XDG_STATE_HOME"));
    if (!QDir::isAbsolutePath(stateHome)) {
        const QString home = environment.value(QStringLiteral("HOME"));
        stateHome = QDir::isAbsolutePath(home) ? home + QStringLiteral("/.local/state") : QString();
    }
    if (!stateHome.isEmpty())
        folders.state = QDir::cleanPath(stateHome + QStringLiteral("/quillaband"));
    return folders;
}

ProgramFolders programFolders()
{
    return programFoldersFor(QCoreApplication::applicationDirPath(),
                             QProcessEnvironment::systemEnvironment());
}

} // namespace qb
