#include "RecordSet.h"

#include "Database.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <limits>

namespace qb {

namespace {

QString quoted(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// The position of a column; -1 when the table has none. A table as narrow as Notizen is
// searched directly: comparing a few short names costs less than hashing one, and a
// rebuild looks up every column of every row.
int columnIndex(const QStringList& names, const QHash<QString, int>& byName, const QString& column)
{
    constexpr qsizetype directSearchLimit = 16;
    if (names.size() > directSearchLimit)
        return byName.value(column, -1);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names[i];
        // Length and first letter tell most names apart before a full comparison.
        if (name.size() == column.size() && !name.isEmpty() && name.front() == column.front() &&
            name == column)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

RecordSet::RecordSet(Database& database, QString table, int pageSize)
    : m_database(database), m_table(std::move(table)), m_pageSize(pageSize)
{
}

bool RecordSet::open()
{
    close();
    if (!m_database.isOpen())
        return fail(QStringLiteral("The database is not open."));
    QSqlQuery query(m_database.connection());
    if (!query.exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(quoted(m_table))))
        return failQuery(query.lastError());
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
        m_columnNames << record.fieldName(i);
        m_columns.insert(record.fieldName(i), i);
    }
    m_open = true;
    return first();
}

void RecordSet::close()
{
    m_open = false;
    m_columns.clear();
    m_columnNames.clear();
    m_page.clear();
    m_index = 0;
    m_currentDeleted = false;
    m_pending = Pending::None;
}

bool RecordSet::fail(const QString& reason, StorageCause cause)
{
    m_error = reason;
    m_failure = {cause, -1, reason};
    m_lockedOut = false;
    return false;
}

bool RecordSet::failQuery(const QSqlError& error)
{
    fail(error.text());
    m_failure = storageFailure(error, m_database.systemError());
    m_lockedOut = Database::isTransient(error, m_database.isReadOnly() ? OpenMode::ReadOnly
                                                                       : OpenMode::ReadWrite);
    return false;
}

bool RecordSet::fetchPage(const QString& where, qint64 key)
{
    if (!m_open || !m_database.isOpen())
        return fail(QStringLiteral("The record set is not open."));
    QSqlQuery query(m_database.connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid %2 ? ORDER BY rowid LIMIT %3")
                      .arg(quoted(m_table), where)
                      .arg(m_pageSize));
    query.addBindValue(key);
    if (!query.exec())
        return failQuery(query.lastError());
    std::vector<Row> page;
    page.reserve(static_cast<std::size_t>(m_pageSize));
    const int columnCount = static_cast<int>(m_columnNames.size());
    while (query.next()) {
        Row row{query.value(0).toLongLong(), {}};
        row.values.reserve(columnCount);
        for (int i = 1; i <= columnCount; ++i)
            row.values.push_back(query.value(i));
        page.push_back(std::move(row));
    }
    if (query.lastError().isValid())
        return failQuery(query.lastError());
    m_pageFull = page.size() == static_cast<std::size_t>(m_pageSize);
    m_pageEndKey = page.empty() ? key : page.back().key;
    m_page = std::move(page);
    m_index = 0;
    m_currentDeleted = false;
    m_pending = Pending::None;
    return true;
}

bool RecordSet::writableFile()
{
    switch (m_database.followPath()) {
    case PathCheck::Unchanged:
        return true;
    // The pending row or the row to delete was read from the file that was replaced.
    case PathCheck::Reopened:
        return m_pending == Pending::Add ||
               fail(QStringLiteral("The database file was replaced."), StorageCause::FileRemoved);
    case PathCheck::Missing:
        return fail(QStringLiteral("The database file was removed."), StorageCause::FileRemoved);
    case PathCheck::ReopenFailed:
        break;
    }
    return fail(m_database.error(),
                m_database.lockedOut() ? StorageCause::Locked : StorageCause::Damaged);
}

bool RecordSet::first()
{
    // A walk starts on the file now at the path; while none is there the open one is read.
    if (m_database.followPath() == PathCheck::ReopenFailed)
        return fail(m_database.error(), StorageCause::Damaged);
    return fetchPage(QStringLiteral(">="), std::numeric_limits<qint64>::min());
}

bool RecordSet::next()
{
    if (atEnd())
        return fail(QStringLiteral("There is no current row."));
    if (m_currentDeleted)
        m_currentDeleted = false;
    else
        ++m_index;
    m_pending = Pending::None;
    if (m_index < m_page.size())
        return true;
    // A used-up full page may be followed by more rows; a short page was the last, and
    // its rows are not needed until the next walk (the band walks every few seconds).
    if (m_pageFull)
        return fetchPage(QStringLiteral(">"), m_pageEndKey);
    m_page = {};
    m_index = 0;
    return true;
}

bool RecordSet::atEnd() const
{
    // After a delete there is no current row, but the walk is not over.
    return m_index >= m_page.size() && !m_currentDeleted;
}

int RecordSet::rowCount()
{
    QSqlQuery query(m_database.connection());
    if (!m_open || !query.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(quoted(m_table))) ||
        !query.next()) {
        failQuery(query.lastError());
        return -1;
    }
    return query.value(0).toInt();
}

const RecordSet::Row* RecordSet::current() const
{
    return m_index >= m_page.size() || m_currentDeleted ? nullptr : &m_page[m_index];
}

bool RecordSet::needRow()
{
    return current() ? true : fail(QStringLiteral("There is no current row."));
}

QString RecordSet::bookmark() const
{
    const Row* row = current();
    return row ? QString::number(row->key) : QString();
}

bool RecordSet::setBookmark(const QString& bookmark)
{
    bool ok = false;
    const qint64 key = bookmark.toLongLong(&ok);
    if (!ok)
        return fail(QStringLiteral("Not a bookmark: \"%1\".").arg(bookmark));
    if (!fetchPage(QStringLiteral(">="), key))
        return false;
    if (m_page.empty() || m_page.front().key != key) {
        m_index = m_page.size();
        return fail(QStringLiteral("The row of bookmark %1 no longer exists.").arg(key));
    }
    return true;
}

QVariant RecordSet::value(const QString& column) const
{
    const int index = columnIndex(m_columnNames, m_columns, column);
    if (index < 0)
        return {};
    if (m_pending != Pending::None)
        return m_buffer[static_cast<std::size_t>(index)];
    const Row* row = current();
    return row ? row->values[static_cast<std::size_t>(index)] : QVariant();
}

bool RecordSet::edit()
{
    if (!needRow())
        return false;
    m_buffer = m_page[m_index].values;
    m_dirty.assign(m_buffer.size(), false);
    m_pending = Pending::Edit;
    return true;
}

bool RecordSet::addNew()
{
    if (!m_open)
        return fail(QStringLiteral("The record set is not open."));
    m_buffer.assign(m_columnNames.size(), QVariant());
    m_dirty.assign(m_buffer.size(), false);
    m_pending = Pending::Add;
    return true;
}

bool RecordSet::setValue(const QString& column, const QVariant& value)
{
    if (m_pending == Pending::None)
        return fail(QStringLiteral("No edit is in progress."));
    const auto found = m_columns.constFind(column);
    if (found == m_columns.constEnd())
        return fail(QStringLiteral("The table %1 has no column %2.").arg(m_table, column));
    m_buffer[*found] = value;
    m_dirty[*found] = true;
    return true;
}

void RecordSet::cancelUpdate()
{
    m_pending = Pending::None;
}

bool RecordSet::update()
{
    if (m_pending == Pending::None)
        return fail(QStringLiteral("No edit is in progress."));
    if (!writableFile())
        return false;
    QStringList names;
    QVariantList values;
    for (std::size_t i = 0; i < m_buffer.size(); ++i) {
        if (m_dirty[i]) {
            names << quoted(m_columnNames[static_cast<int>(i)]);
            values << m_buffer[i];
        }
    }
    QSqlQuery query(m_database.connection());
    if (m_pending == Pending::Add) {
        QStringList marks(names.size(), QStringLiteral("?"));
        query.prepare(names.isEmpty()
                          ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(m_table))
                          : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(quoted(m_table), names.join(QLatin1Char(',')),
                                     marks.join(QLatin1Char(','))));
    } else {
        if (names.isEmpty()) {
            m_pending = Pending::None;
            return true;
        }
        QStringList assignments;
        for (const QString& name : names)
            assignments << name + QStringLiteral(" = ?");
        query.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                          .arg(quoted(m_table), assignments.join(QLatin1Char(','))));
        values << m_page[m_index].key;
    }
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return failQuery(query.lastError());
    if (m_pending == Pending::Add) {
        m_lastAdded = query.lastInsertId().toLongLong();
    } else {
        if (query.numRowsAffected() != 1)
            return fail(rowGoneError);
        m_page[m_index].values = m_buffer;
    }
    m_pending = Pending::None;
    return true;
}

bool RecordSet::remove()
{
    if (!needRow() || !writableFile())
        return false;
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(m_table)));
    query.addBindValue(m_page[m_index].key);
    if (!query.exec())
        return failQuery(query.lastError());
    m_page.erase(m_page.begin() + static_cast<std::ptrdiff_t>(m_index));
    m_currentDeleted = true;
    m_pending = Pending::None;
    return true;
}

bool RecordSet::findLast(const QString& criterion)
{
    static const QRegularExpression form(QStringLiteral(R"(^\s*(\w+)\s*=\s*(-?\d+)\s*$)"));
    const QRegularExpressionMatch match = form.match(criterion);
    if (!match.hasMatch() || !hasColumn(match.captured(1)))
        return fail(QStringLiteral("Unsupported criterion \"%1\".").arg(criterion));
    if (m_database.followPath() == PathCheck::ReopenFailed)
        return fail(m_database.error(), StorageCause::Damaged);
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("SELECT rowid FROM %1 WHERE %2 = ? ORDER BY rowid DESC LIMIT 1")
                      .arg(quoted(m_table), quoted(match.captured(1))));
    query.addBindValue(match.captured(2).toLongLong());
    if (!query.exec())
        return failQuery(query.lastError());
    if (!query.next()) {
        m_error.clear();
        m_failure = {};
        return false;
    }
    return setBookmark(query.value(0).toString());
}

} // namespace qb
