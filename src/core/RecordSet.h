#pragma once

#include "core/StorageFailure.h"

#include <QHash>
#include <QSqlError>
#include <QString>
#include <QVariant>
#include <vector>

namespace qb {

class Database;

// The rows of one table ("select * from <table>") in table order (ascending
// rowid, which is the ID of Notizen), read page by page so that rows added by
// other processes show up on the next walk and no lock is held between moves.
//
// Positions follow the classic record-set model: first / next move, atEnd()
// is true past the last row, a bookmark is the row's key as text, edit() or
// addNew() start a change that update() stores. Every operation returns false
// on failure and leaves a reason in error().
class RecordSet
{
public:
    static constexpr int defaultPageSize = 512;

    RecordSet(Database& database, QString table, int pageSize = defaultPageSize);

    // Reads the columns and moves to the first row.
    bool open();
    void close();
    bool isOpen() const { return m_open; }

    bool first();
    bool next();
    bool atEnd() const;
    // Number of rows in the table; -1 on failure.
    int rowCount();

    QString bookmark() const;
    // Moves to the row of a bookmark; fails when that row no longer exists.
    bool setBookmark(const QString& bookmark);

    bool hasColumn(const QString& column) const { return m_columns.contains(column); }
    const QStringList& columns() const { return m_columnNames; }
    // The column of the current row (an edit in progress included); an invalid
    // QVariant when there is no current row or no such column.
    QVariant value(const QString& column) const;

    bool edit();
    bool addNew();
    bool setValue(const QString& column, const QVariant& value);
    // Stores the pending change; on failure the row keeps its stored values
    // and the change stays pending.
    bool update();
    void cancelUpdate();
    // Deletes the current row; next() then moves to the row after it.
    bool remove();

    // Moves to the last row matching "<column> = <integer>"; false (and the
    // position unchanged) when there is none or the criterion is not of that form.
    bool findLast(const QString& criterion);
    // The key of the row stored by the last successful update() of addNew().
    qint64 lastAdded() const { return m_lastAdded; }

    const QString& error() const { return m_error; }
    // The cause of the last failure, for a message in the user's words.
    const StorageFailure& failure() const { return m_failure; }
    // The last failure met another program's lock or unfinished write: the same
    // operation may succeed later.
    bool lockedOut() const { return m_lockedOut; }
    // The error of an update() whose row was deleted by someone else meanwhile.
    static inline const QString rowGoneError = QStringLiteral("The row no longer exists.");

private:
    enum class Pending { None, Edit, Add };
    struct Row
    {
        qint64 key = 0;
        std::vector<QVariant> values;
    };

    // Reads up to a page of rows whose key compares by `where` with key.
    bool fetchPage(const QString& where, qint64 key);
    bool fail(const QString& reason, StorageCause cause = StorageCause::Other);
    bool failQuery(const QSqlError& error);
    // Before a write: the file at the path must be the one whose rows were read.
    bool writableFile();
    bool needRow();
    const Row* current() const;

    Database& m_database;
    QString m_table;
    int m_pageSize;
    bool m_open = false;
    QHash<QString, int> m_columns;
    QStringList m_columnNames;
    std::vector<Row> m_page;
    std::size_t m_index = 0;
    bool m_pageFull = false;
    qint64 m_pageEndKey = 0;
    bool m_currentDeleted = false;
    Pending m_pending = Pending::None;
    std::vector<QVariant> m_buffer;
    std::vector<bool> m_dirty;
    qint64 m_lastAdded = 0;
    QString m_error;
    StorageFailure m_failure;
    bool m_lockedOut = false;
};

} // namespace qb
