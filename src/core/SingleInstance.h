#pragma once

#include <QLocalServer>
#include <QObject>
#include <QProcessEnvironment>
#include <QString>

namespace qb {

// One running band per local database. The first start listens on a local socket in the
// user's runtime folder, named after the database's canonical path; a later start for the
// same database hands it a one-line command (such as "raise") and ends. The socket is made
// for the owner only; no process polls for anything.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    enum class Role {
        First,  // this process holds the database and receives commands
        Second, // another process holds it and got the command
        Alone,  // no channel could be made (no private runtime folder): run without one
    };

    // runtimeFolder must be private to the user; runtimeFolderFor() picks it.
    SingleInstance(const QString& databasePath, const QString& runtimeFolder,
                   QObject* parent = nullptr);

    // Claims the database for this process, or hands `command` to the process that holds
    // it. A socket left behind by a band that crashed does not count as a holder.
    Role claim(const QString& command);
    // Hands `command` to the process that holds the database, without claiming it; false
    // when none does.
    bool send(const QString& command);

    QString socketPath() const { return m_socketPath; }

    // $XDG_RUNTIME_DIR when it is set, otherwise a folder of this user in the temporary
    // folder, created on demand.
    static QString runtimeFolderFor(const QProcessEnvironment& environment);

signals:
    void commandReceived(const QString& command);

private:
    void acceptConnections();

    QString m_runtimeFolder;
    QString m_socketPath;
    QLocalServer m_server;
};

// The absolute path of a file with every symbolic link resolved, also for a file (and
// folders) not yet created: the same database reached through a link is the same database.
QString canonicalFilePath(const QString& path);

} // namespace qb
