// quillaband-notes: the notes of a Quillaband database from the command line.

#include "core/ProgramFolders.h"
#include "core/StartUp.h"
#include "notes/NotesCommand.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const qb::SystemClock clock;
    const QString database =
        qb::dataFolderIn(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) +
        QStringLiteral("qb.kvl");
    qb::NotesCommand command(clock, qb::programFolders().data, database);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = command.run(app.arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return status;
}
