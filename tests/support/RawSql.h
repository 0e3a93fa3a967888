#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace qb::test {

// A plain SQLite connection of its own on a file, as another process would
// have: for setting up stored values the program's layer would not write and
// for holding locks.
class RawSql
{
public:
    explicit RawSql(const QString& path)
        : m_name(QStringLiteral("raw-%1").arg(reinterpret_cast<quintptr>(this)))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
        db.open();
    }
    ~RawSql()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    RawSql(const RawSql&) = delete;
    RawSql& operator=(const RawSql&) = delete;

    // Runs a statement with positional values; returns the error text, empty on success.
    QString exec(const QString& statement, const QVariantList& values = {})
    {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        query.prepare(statement);
        for (const QVariant& value : values)
            query.addBindValue(value);
        return query.exec() ? QString() : query.lastError().text();
    }
    // The first column of the first row of a query.
    QVariant scalar(const QString& statement)
    {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        return query.exec(statement) && query.next() ? query.value(0) : QVariant();
    }

private:
    QString m_name;
};

} // namespace qb::test
