#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace qb {

// Where the program's files are. A build tree keeps the template, the manual and the
// helper programs beside the programs and writes its markers there too; an installed
// program finds them in ../share/quillaband and ../libexec/quillaband relative to its
// own folder and writes per user into $XDG_STATE_HOME/quillaband (default
// ~/.local/state/quillaband), so two accounts never share a marker.
struct ProgramFolders
{
    // Read-only files: the template "org.kvl", the start pages and their pictures.
    QString data;
    // The helper programs the band starts.
    QString helpers;
    // The files the program writes beside itself: the network-error markers, the daily
    // update marker, the update exchange files. Relative names resolve here.
    QString state;
    bool installed = false;
};

// The folders of a program whose file lies in `programFolder`: a build tree when the
// template is beside it. XDG_STATE_HOME counts only as an absolute path; without it and
// without HOME the state folder is empty.
ProgramFolders programFoldersFor(const QString& programFolder,
                                 const QProcessEnvironment& environment);

// The folders of the running program.
ProgramFolders programFolders();

} // namespace qb
