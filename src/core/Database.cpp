#include "Database.h"

#include "PasswordGuard.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>
#include <sys/stat.h>

#include <optional>

namespace qb {

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("qb-db-%1").arg(counter.fetchAndAddRelaxed(1));
}

constexpr int sqliteBusy = 5;
constexpr int sqliteLocked = 6;
constexpr int sqliteReadOnly = 8;

// The primary result code of a failed statement (extended codes carry it in the low byte).
int primaryCode(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xFF : -1;
}

// The SQLite handle behind a QSQLITE connection; null when it has none.
sqlite3* nativeHandle(const QSqlDatabase& connection)
{
    const QSqlDriver* driver = connection.driver();
    const QVariant handle = driver ? driver->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
};

std::optional<FileIdentity> identityOf(const QString& path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<quint64>(status.st_dev), static_cast<quint64>(status.st_ino)};
}

} // namespace

bool Database::isTransient(const QSqlError& error, OpenMode mode)
{
    const int code = primaryCode(error);
    return code == sqliteBusy || code == sqliteLocked ||
           (code == sqliteReadOnly && mode == OpenMode::ReadOnly);
}

Database::Database() : m_connectionName(nextConnectionName()) {}

Database::~Database()
{
    close();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool Database::open(const QString& path, const QString& connect, OpenMode mode, int busyTimeoutMs)
{
    close();
    m_path = path;
    m_connect = connect;
    m_fileMissing = false;
    m_mode = mode;
    m_busyTimeoutMs = busyTimeoutMs;
    m_error = {};
    m_lockedOut = false;

    // QSQLITE would create a missing file; a missing database is an error here.
    const QFileInfo file(path);
    if (!file.exists())
        return fail({QStringLiteral("The database file \"%1\" does not exist.").arg(path),
                     QStringLiteral("Die Datenbankdatei \"%1\" existiert nicht.").arg(path)});
    if (!file.isFile() || !file.isReadable())
        return fail(
            {QStringLiteral("The database file \"%1\" cannot be read.").arg(path),
             QStringLiteral("Die Datenbankdatei \"%1\" kann nicht gelesen werden.").arg(path)});

    if (const QString problem = connectTo(path, mode, busyTimeoutMs); !problem.isEmpty())
        return fail(
            {QStringLiteral("The database file \"%1\" cannot be opened: %2").arg(path, problem),
             QStringLiteral("Die Datenbankdatei \"%1\" kann nicht ge\u00F6ffnet "
                            "werden: %2")
                 .arg(path, problem)});
    m_open = true;
    // Taken after SQLite opened it: a file swapped in between counts as the one open.
    if (const std::optional<FileIdentity> identity = identityOf(path)) {
        m_device = identity->device;
        m_inode = identity->inode;
    }

    if (const Problem problem = contentsProblem(connect); !problem.isEmpty())
        return fail(problem);
    // A rollback journal, never WAL: WAL does not work on network shares. A
    // read-only connection must not touch the file's journal mode.
    if (mode == OpenMode::ReadWrite) {
        QSqlQuery pragma(connection());
        if (!pragma.exec(QStringLiteral("PRAGMA journal_mode=DELETE")))
            return fail(queryProblem(pragma.lastError()));
    }
    return true;
}

PathCheck Database::followPath()
{
    if (m_mode == OpenMode::ReadOnly || m_path.isEmpty())
        return PathCheck::Unchanged;
    const std::optional<FileIdentity> identity = identityOf(m_path);
    m_fileMissing = !identity;
    if (!identity)
        return PathCheck::Missing;
    if (m_open && identity->device == m_device && identity->inode == m_inode)
        return PathCheck::Unchanged;
    const QString path = m_path;
    const QString connect = m_connect;
    return open(path, connect, m_mode, m_busyTimeoutMs) ? PathCheck::Reopened
                                                        : PathCheck::ReopenFailed;
}

// Both run on every rebuild of the band: straight calls into SQLite, not statements to compile.
bool Database::setBusyTimeout(int milliseconds)
{
    sqlite3* handle = m_open ? nativeHandle(connection()) : nullptr;
    if (!handle || sqlite3_busy_timeout(handle, milliseconds) != SQLITE_OK)
        return false;
    m_busyTimeoutMs = milliseconds;
    return true;
}

int Database::systemError() const
{
    sqlite3* handle = m_open ? nativeHandle(connection()) : nullptr;
    return handle ? sqlite3_system_errno(handle) : 0;
}

void Database::releaseMemory()
{
    if (sqlite3* handle = m_open ? nativeHandle(connection()) : nullptr)
        sqlite3_db_release_memory(handle);
}

Database::Problem Database::queryProblem(const QSqlError& error)
{
    if (!isTransient(error, m_mode))
        return {QStringLiteral("The file \"%1\" is not a Quillaband database: %2")
                    .arg(m_path, error.text()),
                QStringLiteral("Die Datei \"%1\" ist keine Quillaband-Datenbank: %2")
                    .arg(m_path, error.text())};
    m_lockedOut = true;
    if (primaryCode(error) == sqliteReadOnly)
        return {QStringLiteral("The database \"%1\" cannot be read now: another program's "
                               "write to it is unfinished, and only a program that may write "
                               "to the file can complete it.")
                    .arg(m_path),
                QStringLiteral("Die Datenbank \"%1\" kann jetzt nicht gelesen werden: ein "
                               "Schreibvorgang eines anderen Programms ist unvollendet, und nur "
                               "ein Programm, das in die Datei schreiben darf, kann ihn "
                               "abschlie\u00DFen.")
                    .arg(m_path)};
    return {QStringLiteral("The database \"%1\" is locked by another program.").arg(m_path),
            QStringLiteral("Die Datenbank \"%1\" ist von einem anderen Programm gesperrt.")
                .arg(m_path)};
}

QString Database::connectTo(const QString& path, OpenMode mode, int busyTimeoutMs)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs);
    if (mode == OpenMode::ReadOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    return db.open() ? QString() : db.lastError().text();
}

Database::Problem Database::contentsProblem(const QString& connect)
{
    QSqlQuery query(connection());
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return queryProblem(query.lastError());
    QStringList tables;
    while (query.next())
        tables << query.value(0).toString();
    for (const QString& required : {QStringLiteral("Notizen"), QStringLiteral("Einstellungen")}) {
        if (!tables.contains(required))
            return {
                QStringLiteral("The database \"%1\" has no table %2.").arg(m_path, required),
                QStringLiteral("Die Datenbank \"%1\" hat keine Tabelle %2.").arg(m_path, required)};
    }

    // A file without the guard counts as one whose password does not match.
    const Problem wrongPassword = {
        QStringLiteral("The password of the database \"%1\" is not valid.").arg(m_path),
        QStringLiteral("Das Kennwort der Datenbank \"%1\" ist nicht g\u00FCltig.").arg(m_path)};
    if (!tables.contains(PasswordGuard::table))
        return wrongPassword;
    QSqlQuery guard(connection());
    if (!guard.exec(QStringLiteral("SELECT Salz, Hash FROM %1").arg(PasswordGuard::table))) {
        // A lock that came after the first query is a lock, not a wrong password.
        if (isTransient(guard.lastError(), m_mode))
            return queryProblem(guard.lastError());
        return wrongPassword;
    }
    if (!guard.next())
        return wrongPassword;
    const QByteArray salt = guard.value(0).toByteArray();
    const QByteArray expected = guard.value(1).toByteArray();
    if (PasswordGuard::hash(salt, PasswordGuard::passwordOf(connect)) != expected)
        return wrongPassword;
    return {};
}

bool Database::fail(const Problem& problem)
{
    close();
    m_error = problem;
    return false;
}

void Database::close()
{
    if (QSqlDatabase::contains(m_connectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_open = false;
}

} // namespace qb
