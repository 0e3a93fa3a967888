// Builds the template database from the schema file: make_template SCHEMA OUTPUT.
// The schema holds the tables and the settings row; this tool adds the
// password guard and writes the file in rollback-journal mode.

#include "core/PasswordGuard.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "make_template: %s\n", qPrintable(message));
    return 1;
}

QStringList statementsOf(const QString& schema)
{
    QString text = schema;
    text.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
    QStringList statements;
    for (const QString& part : text.split(QLatin1Char(';'))) {
        if (!part.trimmed().isEmpty())
            statements << part.trimmed();
    }
    return statements;
}

int build(const QString& schemaPath, const QString& outputPath)
{
    QFile schema(schemaPath);
    if (!schema.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot read %1").arg(schemaPath));
    const QString partial = outputPath + QStringLiteral(".part");
    QFile::remove(partial);

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("t"));
    db.setDatabaseName(partial);
    if (!db.open())
        return fail(db.lastError().text());
    QSqlQuery query(db);
    QStringList statements = statementsOf(QString::fromUtf8(schema.readAll()));
    statements.prepend(QStringLiteral("PRAGMA journal_mode=DELETE"));
    statements
        << QStringLiteral("CREATE TABLE %1 (Salz TEXT, Hash TEXT)").arg(qb::PasswordGuard::table);
    for (const QString& statement : statements) {
        if (!query.exec(statement))
            return fail(QStringLiteral("%1: %2").arg(statement, query.lastError().text()));
    }
    const QByteArray salt =
        QByteArray::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, '0');
    query.prepare(QStringLiteral("INSERT INTO %1 VALUES (?, ?)").arg(qb::PasswordGuard::table));
    query.addBindValue(QString::fromLatin1(salt));
    query.addBindValue(
        QString::fromLatin1(qb::PasswordGuard::hash(salt, qb::PasswordGuard::password)));
    if (!query.exec())
        return fail(query.lastError().text());
    query.finish();
    db.close();

    QFile::remove(outputPath);
    if (!QFile::rename(partial, outputPath))
        return fail(QStringLiteral("cannot write %1").arg(outputPath));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: make_template SCHEMA OUTPUT"));
    const int status = build(args.at(1), args.at(2));
    QSqlDatabase::removeDatabase(QStringLiteral("t"));
    return status;
}
