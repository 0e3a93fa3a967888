#include "notes/NotesCommand.h"

#include "notes/NoteOptions.h"

#include "core/AppContext.h"
#include "core/FileRoutines.h"
#include "core/SettingsStore.h"
#include "editor/NoteStore.h"
#include "editor/NoteValidation.h"
#include "platform/Clock.h"
#include "schedule/ScheduleDraft.h"
#include "ticker/TickerRebuild.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QHash>

namespace qb {

namespace {

enum Status { Success = 0, DatabaseFailure = 1, UsageError = 2 };

int usageError(QTextStream& err, const QString& message)
{
    err << "quillaband-notes: " << message << '\n';
    return UsageError;
}

int databaseFailure(QTextStream& err, const QString& message)
{
    err << "quillaband-notes: " << message << '\n';
    return DatabaseFailure;
}

// A failed write in the user's words, the file named, the driver's text on a details line.
int writeFailure(QTextStream& err, const QString& database, StorageAction action,
                 const StorageFailure& failure)
{
    return databaseFailure(
        err, QStringLiteral("Cannot write to \"%1\": %2\n  details: %3")
                 .arg(database, storageFailureText(action, failure, 1), failure.detail));
}

int openLocal(AppContext& context, const QString& path, QTextStream& err)
{
    QString reason;
    if (!context.openLocal(path, reason))
        return databaseFailure(err, reason);
    return Success;
}

} // namespace

NotesCommand::NotesCommand(const Clock& clock, QString programFolder, QString defaultDatabase,
                           QLocale locale)
    : m_clock(clock), m_programFolder(std::move(programFolder)),
      m_defaultDatabase(std::move(defaultDatabase)), m_locale(std::move(locale))
{
}

int NotesCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QList<QCommandLineOption> options = notesOptions();
    parser.addOptions(options);

    // The full usage follows a command line that cannot be read; a wrong
    // argument of a known command gets its message alone.
    const auto withUsage = [&err](const QString& message) {
        if (!message.isEmpty())
            err << "quillaband-notes: " << message << '\n';
        err << notesUsage;
        return UsageError;
    };
    if (!parser.parse(QStringList{QStringLiteral("quillaband-notes")} + arguments))
        return withUsage(parser.errorText());
    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return withUsage(QString());
    const QString command = positional.takeFirst();
    using Handler = int (NotesCommand::*)(const Call&) const;
    const QHash<QString, Handler> handlers{
        {QStringLiteral("init"), &NotesCommand::init},
        {QStringLiteral("list"), &NotesCommand::list},
        {QStringLiteral("add"), &NotesCommand::add},
        {QStringLiteral("remove"), &NotesCommand::remove},
        {QStringLiteral("due"), &NotesCommand::due},
    };
    if (!handlers.contains(command))
        return withUsage(QStringLiteral("Unknown command \"%1\".").arg(command));

    // Options a command does not take are refused rather than ignored.
    QStringList allowed{QStringLiteral("db")};
    if (command == QStringLiteral("due"))
        allowed << QStringLiteral("at") << QStringLiteral("broadcast");
    if (command == QStringLiteral("add")) {
        for (const QCommandLineOption& option : options)
            allowed << option.names();
        allowed.removeAll(QStringLiteral("at"));
        allowed.removeAll(QStringLiteral("broadcast"));
    }
    if (command == QStringLiteral("init"))
        allowed.clear();
    for (const QString& name : parser.optionNames()) {
        if (!allowed.contains(name))
            return withUsage(QStringLiteral("%1 does not take --%2.").arg(command, name));
    }
    const QString database =
        parser.isSet(QStringLiteral("db")) ? parser.value(QStringLiteral("db")) : m_defaultDatabase;
    return (this->*handlers.value(command))(Call{parser, positional, database, out, err});
}

int NotesCommand::init(const Call& call) const
{
    if (call.arguments.size() != 1)
        return usageError(call.err, QStringLiteral("init takes one FILE."));
    const QString target = call.arguments.first();
    if (QFile::exists(target))
        return databaseFailure(call.err, QStringLiteral("\"%1\" already exists.").arg(target));
    const QString templateFile = QDir(m_programFolder).filePath(QStringLiteral("org.kvl"));
    if (!DateiKopieren(templateFile, target))
        return databaseFailure(
            call.err, QStringLiteral("Cannot copy \"%1\" to \"%2\".").arg(templateFile, target));
    return Success;
}

int NotesCommand::list(const Call& call) const
{
    if (!call.arguments.isEmpty())
        return usageError(call.err, QStringLiteral("list takes no arguments."));
    AppContext context;
    if (const int status = openLocal(context, call.database, call.err); status != Success)
        return status;
    RecordSet& notes = context.localNotizen;
    if (!notes.first())
        return databaseFailure(call.err, notes.error());
    for (; !notes.atEnd(); notes.next()) {
        call.out << notes.value(QStringLiteral("ID")).toString() << '\t'
                 << notes.value(QStringLiteral("Rhythmus")).toString() << '\t'
                 << notes.value(QStringLiteral("inhalt")).toString() << '\n';
    }
    return notes.error().isEmpty() ? Success : databaseFailure(call.err, notes.error());
}

// 1. read the options into the editor's entries; 2. the editor's checks;
// 3. the columns the editor writes, stored in a new row.
int NotesCommand::add(const Call& call) const
{
    if (call.arguments.size() != 1)
        return usageError(call.err, QStringLiteral("add takes one TEXT (quote it)."));
    const QString text = call.arguments.first();
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
        return usageError(call.err, QStringLiteral("A note is a single line."));
    NoteDraft draft;
    if (const auto problem = readNoteDraft(call.parser, text, m_locale, draft))
        return usageError(call.err, *problem);
    const NoteCheck check =
        NotizPruefen(draft, m_locale, m_clock.now().date(), [&call](EditorQuestion question) {
            // No one to ask: the options say what is meant; the warning stays visible.
            QString statement =
                editorQuestionText(question, 1).section(QStringLiteral("\n\n"), 0, 0);
            if (statement.endsWith(QStringLiteral(" -")))
                statement.chop(2);
            call.err << "quillaband-notes: warning: " << statement << ".\n";
            return true;
        });
    if (check.result != NoteCheck::Result::Passed)
        return usageError(call.err, editorMessageText(*check.message, 1));

    AppContext context;
    if (const int status = openLocal(context, call.database, call.err); status != Success)
        return status;
    const StoreResult stored =
        NotizSpeichern(context.localNotizen, std::nullopt, text, check.schedule);
    if (stored.status != StoreResult::Status::Stored)
        return writeFailure(call.err, call.database, StorageAction::StoreNote, stored.failure);
    call.out << stored.id << '\n';
    return Success;
}

int NotesCommand::remove(const Call& call) const
{
    if (call.arguments.isEmpty())
        return usageError(call.err, QStringLiteral("remove takes one or more IDs."));
    AppContext context;
    if (const int status = openLocal(context, call.database, call.err); status != Success)
        return status;
    RecordSet& notes = context.localNotizen;
    // Every ID is checked before anything is deleted. The criterion takes the
    // number in its plain form: "+5" or " 5" name note 5.
    QStringList ids;
    for (const QString& given : call.arguments) {
        bool numeric = false;
        const QString id = QString::number(given.toLongLong(&numeric));
        if (!numeric)
            return usageError(call.err, QStringLiteral("\"%1\" is not an ID.").arg(given));
        if (!notes.findLast(QStringLiteral("ID = ") + id)) {
            if (!notes.error().isEmpty())
                return databaseFailure(call.err, notes.error());
            return usageError(call.err, QStringLiteral("There is no note with ID %1.").arg(id));
        }
        ids << id;
    }
    for (const QString& id : ids) {
        if (!notes.findLast(QStringLiteral("ID = ") + id) && notes.error().isEmpty())
            continue; // the same ID given twice
        if (!notes.error().isEmpty() || !notes.remove())
            return writeFailure(call.err, call.database, StorageAction::DeleteNotes,
                                notes.failure());
    }
    return Success;
}

int NotesCommand::due(const Call& call) const
{
    if (!call.arguments.isEmpty())
        return usageError(call.err, QStringLiteral("due takes no arguments."));
    QDateTime now = m_clock.now();
    if (call.parser.isSet(QStringLiteral("at"))) {
        const QString at = call.parser.value(QStringLiteral("at"));
        const QStringList parts = at.split(QLatin1Char('T'));
        const QDate date = QDate::fromString(parts.value(0), QStringLiteral("yyyy-MM-dd"));
        const QTime time = QTime::fromString(parts.value(1), QStringLiteral("HH:mm:ss"));
        if (parts.size() != 2 || !date.isValid() || !time.isValid())
            return usageError(call.err, QStringLiteral("--at takes YYYY-MM-DDThh:mm:ss."));
        now = QDateTime(date, time);
        // A moment the clocks skip at a change of time has no local time of its own.
        if (!now.isValid() || now.date() != date || now.time() != time)
            return usageError(call.err,
                              QStringLiteral("%1 does not exist in the local time zone: the "
                                             "clocks skip it at a change of time.")
                                  .arg(at));
    }
    AppContext context;
    if (const int status = openLocal(context, call.database, call.err); status != Success)
        return status;
    EinstellungenLaden(context.localEinstellungen, context.settings);
    context.settings.broadcastStatus = call.parser.isSet(QStringLiteral("broadcast"));
    if (context.settings.broadcastStatus) {
        context.settings.broadcastPfad = call.parser.value(QStringLiteral("broadcast"));
        if (!context.BroadcastOeffnen())
            return databaseFailure(call.err, context.broadcast.error());
    }
    TickerAssembly assembly;
    RebuildState state;
    rebuildTicker(context, now, assembly, state);
    for (const TickerEntry& entry : assembly.Eintraege)
        call.out << (entry.source == TickerSource::Broadcast ? 'B' : 'L') << '\t' << entry.text
                 << '\n';
    return Success;
}

} // namespace qb
