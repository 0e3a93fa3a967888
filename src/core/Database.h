#pragma once

#include <QSqlDatabase>
#include <QString>

namespace qb {

enum class OpenMode { ReadWrite, ReadOnly };

// One open database file: an SQLite connection in rollback-journal mode with a
// busy timeout, so that a reader waits while another process writes. Opening
// checks the file, its password guard and its two tables; a failure leaves the
// object closed with a reason the caller can show.
class Database
{
public:
    static constexpr int defaultBusyTimeoutMs = 5000;

    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens path with the password of the connect string (";pwd=..."). Replaces
    // whatever this object had open.
    bool open(const QString& path, const QString& connect, OpenMode mode,
              int busyTimeoutMs = defaultBusyTimeoutMs);
    void close();

    bool isOpen() const { return m_open; }
    bool isReadOnly() const { return m_mode == OpenMode::ReadOnly; }
    const QString& path() const { return m_path; }
    const QString& error() const { return m_error; }
    QSqlDatabase connection() const;

private:
    bool fail(const QString& reason);
    // Why the open file is not a usable database with this password; empty when it is.
    QString contentsProblem(const QString& connect) const;
    QString journalProblem() const;
    // Adds and opens the connection; the driver's reason on failure.
    QString connectTo(const QString& path, OpenMode mode, int busyTimeoutMs);

    QString m_connectionName;
    QString m_path;
    QString m_error;
    OpenMode m_mode = OpenMode::ReadWrite;
    bool m_open = false;
};

} // namespace qb
