#pragma once

#include <QLocale>
#include <QStringList>
#include <QTextStream>

class QCommandLineParser;

namespace qb {

class Clock;

// The command-line companion: lists, adds and removes notes of a database and
// prints what the ticker would show at a moment, with the ticker's own code.
//
// Exit status: 0 success; 1 a database that cannot be opened or written, or a
// file that cannot be created; 2 a usage error or a note the editor refuses.
class NotesCommand
{
public:
    // programFolder holds the template "org.kvl"; defaultDatabase is used
    // without --db.
    NotesCommand(const Clock& clock, QString programFolder, QString defaultDatabase,
                 QLocale locale = QLocale());

    // Runs one command line (arguments without the program name).
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

private:
    // One parsed command line: the arguments after the command, the database.
    struct Call
    {
        const QCommandLineParser& parser;
        QStringList arguments;
        QString database;
        QTextStream& out;
        QTextStream& err;
    };

    int init(const Call& call) const;
    int list(const Call& call) const;
    int add(const Call& call) const;
    int remove(const Call& call) const;
    int due(const Call& call) const;

    const Clock& m_clock;
    QString m_programFolder;
    QString m_defaultDatabase;
    QLocale m_locale;
};

} // namespace qb
