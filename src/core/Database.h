#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

namespace qb {

enum class OpenMode { ReadWrite, ReadOnly };

// How the file at a database's path stands against the file it has open.
enum class PathCheck {
    Unchanged,    // the same file, or a read-only database, which is never checked
    Reopened,     // another file had taken its place and is open now
    Missing,      // no file is at the path; the open one serves reads, never writes
    ReopenFailed, // the file now at the path cannot be opened; the object is closed
};

// One open database file: an SQLite connection in rollback-journal mode with a
// busy timeout, so that a reader waits while another process writes. Opening
// checks the file, its password guard and its two tables; a failure leaves the
// object closed with a reason the caller can show.
class Database
{
public:
    static constexpr int defaultBusyTimeoutMs = 5000;
    // The longest the band's tick waits for a lock: a read that cannot start
    // within it is tried again later.
    static constexpr int tickBusyTimeoutMs = 20;

    // Whether a failed statement met another program's lock or, on a read-only
    // connection, another program's unfinished write (a journal that only a
    // writer can roll back): both pass, unlike a damaged or foreign file.
    static bool isTransient(const QSqlError& error, OpenMode mode);

    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens path with the password of the connect string (";pwd=..."). Replaces
    // whatever this object had open.
    bool open(const QString& path, const QString& connect, OpenMode mode,
              int busyTimeoutMs = defaultBusyTimeoutMs);
    void close();

    // A read-write database checks before each write and each walk that the file at its path
    // is still the one it has open (device and inode): a file deleted or replaced underneath
    // would otherwise take writes nobody sees. One stat of a local path; a read-only
    // database, which may lie on a share that hangs, is not checked.
    PathCheck followPath();
    // The last check found no file at the path.
    bool fileMissing() const { return m_fileMissing; }

    // How long statements wait for another program's lock from now on.
    bool setBusyTimeout(int milliseconds);
    int busyTimeout() const { return m_busyTimeoutMs; }
    // The operating system's error number of the connection's last failed file access.
    int systemError() const;
    // Frees the connection's page cache; the next statement reads the file again.
    void releaseMemory();

    bool isOpen() const { return m_open; }
    // The last open failed only because the file was locked or held an
    // unfinished write; a later open may succeed.
    bool lockedOut() const { return m_lockedOut; }
    bool isReadOnly() const { return m_mode == OpenMode::ReadOnly; }
    const QString& path() const { return m_path; }
    // Why the last open failed, in English and in German.
    const QString& error() const { return m_error.english; }
    const QString& errorGerman() const { return m_error.german; }
    QSqlDatabase connection() const;

private:
    struct Problem
    {
        QString english;
        QString german;
        bool isEmpty() const { return english.isEmpty(); }
    };

    bool fail(const Problem& problem);
    // Why the open file is not a usable database with this password; empty when it is.
    Problem contentsProblem(const QString& connect);
    // The reason for a failed query of the opening; marks a lock as such.
    Problem queryProblem(const QSqlError& error);
    // Adds and opens the connection; the driver's reason on failure.
    QString connectTo(const QString& path, OpenMode mode, int busyTimeoutMs);

    QString m_connectionName;
    QString m_path;
    QString m_connect;
    // The identity of the open file, taken when it was opened.
    quint64 m_device = 0;
    quint64 m_inode = 0;
    bool m_fileMissing = false;
    Problem m_error;
    OpenMode m_mode = OpenMode::ReadWrite;
    int m_busyTimeoutMs = defaultBusyTimeoutMs;
    bool m_open = false;
    bool m_lockedOut = false;
};

} // namespace qb
