#include "NotesCommand.h"

#include "core/AppContext.h"
#include "core/SettingsStore.h"
#include "editor/NoteValidation.h"
#include "platform/Clock.h"
#include "schedule/DateText.h"
#include "schedule/ScheduleDraft.h"
#include "ticker/TickerRebuild.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace qb {

namespace {

enum Status { Success = 0, DatabaseFailure = 1, UsageError = 2 };

const QString usage = QStringLiteral(
    "Usage:\n"
    "  quillaband-notes [--db FILE] list\n"
    "  quillaband-notes [--db FILE] add TEXT [schedule options]\n"
    "  quillaband-notes [--db FILE] remove ID...\n"
    "  quillaband-notes [--db FILE] due [--at YYYY-MM-DDThh:mm:ss] [--broadcast FILE]\n"
    "  quillaband-notes init FILE\n"
    "\n"
    "Schedule options of add (without them the note is permanent):\n"
    "  --daily | --weekly | --monthly | --yearly\n"
    "  --from hh:mm --to hh:mm     time window (default: the whole day)\n"
    "  --days mon,tue,...          weekly: the weekdays\n"
    "  --start YYYY-MM-DD          weekly, monthly, yearly: first date (default: today)\n"
    "  --weeks N                   weekly: duration in weeks (0 = no end)\n"
    "  --day N                     monthly: day of the month\n"
    "  --nth first|second|third|fourth|last --weekday DAY   monthly: n-th weekday\n"
    "  --date DD.MM                yearly: a day of the year (up to four times)\n"
    "  --ahead N                   monthly, yearly: days in advance\n");

const QStringList weekdayNames{"mon", "tue", "wed", "thu", "fri", "sat", "sun"};
const QStringList positionNames{"first", "second", "third", "fourth", "last"};

struct Failure
{
    int status;
    QString message;
};

// The editor's entries for an add, read from the options.
std::optional<Failure> readDraft(const QCommandLineParser& parser, const QString& text,
                                 const QLocale& locale, NoteDraft& draft)
{
    const auto usageError = [](const QString& message) {
        return std::optional<Failure>(Failure{UsageError, message});
    };
    draft.notiz = text;
    const QStringList rhythms{"daily", "weekly", "monthly", "yearly"};
    int chosen = 0;
    for (int i = 0; i < rhythms.size(); ++i) {
        if (parser.isSet(rhythms[i])) {
            if (chosen != 0)
                return usageError(QStringLiteral("Choose one of --daily, --weekly, --monthly "
                                                 "and --yearly."));
            chosen = i + 1;
        }
    }
    draft.timeControl = chosen != 0;
    draft.rhythm = chosen == 0 ? 1 : chosen;
    draft.fromTo = parser.isSet(QStringLiteral("from")) || parser.isSet(QStringLiteral("to"));
    draft.fromTime = parser.value(QStringLiteral("from"));
    draft.toTime = parser.value(QStringLiteral("to"));

    if (parser.isSet(QStringLiteral("days"))) {
        for (const QString& day : parser.value(QStringLiteral("days")).split(QLatin1Char(','))) {
            const qsizetype index = weekdayNames.indexOf(day.trimmed().toLower().left(3));
            if (index < 0 || day.trimmed().size() < 3)
                return usageError(QStringLiteral("Unknown weekday \"%1\".").arg(day));
            draft.weekdays[static_cast<std::size_t>(index)] = true;
        }
    }
    if (parser.isSet(QStringLiteral("start"))) {
        const QDate start =
            QDate::fromString(parser.value(QStringLiteral("start")), Qt::ISODate);
        if (!start.isValid())
            return usageError(QStringLiteral("--start takes a date YYYY-MM-DD."));
        draft.firstDate = DatumFormatieren(start, locale);
    }
    draft.weeks = parser.value(QStringLiteral("weeks"));
    draft.daysInAdvance = parser.value(QStringLiteral("ahead"));

    if (parser.isSet(QStringLiteral("nth")) || parser.isSet(QStringLiteral("weekday"))) {
        draft.monthlyKind = NoteDraft::MonthlyKind::NthWeekday;
        if (parser.isSet(QStringLiteral("nth"))) {
            const qsizetype position =
                positionNames.indexOf(parser.value(QStringLiteral("nth")).toLower());
            if (position < 0)
                return usageError(QStringLiteral("--nth takes first, second, third, fourth "
                                                 "or last."));
            draft.position = static_cast<int>(position) + 1;
        }
        const QString weekday = parser.value(QStringLiteral("weekday")).toLower();
        const qsizetype index = weekdayNames.indexOf(weekday.left(3));
        if (index < 0 || weekday.size() < 3)
            return usageError(QStringLiteral("--weekday takes a weekday such as mon."));
        draft.weekday = static_cast<int>(index);
    }
    draft.dayOfMonth = parser.value(QStringLiteral("day"));

    const QStringList dates = parser.values(QStringLiteral("date"));
    if (dates.size() > 4)
        return usageError(QStringLiteral("A yearly note has at most four dates."));
    static const QRegularExpression dayMonth(QStringLiteral(R"(^(\d{1,2})(?:\.(\d{1,2})?)?$)"));
    for (int i = 0; i < dates.size(); ++i) {
        const QRegularExpressionMatch match = dayMonth.match(dates[i]);
        if (!match.hasMatch())
            return usageError(QStringLiteral("--date takes DD.MM."));
        auto& row = draft.yearlyRows[static_cast<std::size_t>(i)];
        row.day = match.captured(1);
        row.month = match.captured(2).toInt();
        if (row.month > 12)
            return usageError(QStringLiteral("--date takes a month from 1 to 12."));
    }
    return std::nullopt;
}

int databaseFailure(QTextStream& err, const QString& message)
{
    err << "quillaband-notes: " << message << '\n';
    return DatabaseFailure;
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
    const QList<QCommandLineOption> options{
        {QStringLiteral("db"), QString(), QStringLiteral("FILE")},
        {QStringLiteral("at"), QString(), QStringLiteral("MOMENT")},
        {QStringLiteral("broadcast"), QString(), QStringLiteral("FILE")},
        {QStringLiteral("daily"), QString()},
        {QStringLiteral("weekly"), QString()},
        {QStringLiteral("monthly"), QString()},
        {QStringLiteral("yearly"), QString()},
        {QStringLiteral("from"), QString(), QStringLiteral("TIME")},
        {QStringLiteral("to"), QString(), QStringLiteral("TIME")},
        {QStringLiteral("days"), QString(), QStringLiteral("DAYS")},
        {QStringLiteral("start"), QString(), QStringLiteral("DATE")},
        {QStringLiteral("weeks"), QString(), QStringLiteral("N")},
        {QStringLiteral("day"), QString(), QStringLiteral("N")},
        {QStringLiteral("nth"), QString(), QStringLiteral("POSITION")},
        {QStringLiteral("weekday"), QString(), QStringLiteral("DAY")},
        {QStringLiteral("date"), QString(), QStringLiteral("DD.MM")},
        {QStringLiteral("ahead"), QString(), QStringLiteral("N")},
    };
    parser.addOptions(options);

    // The full usage follows a command line that cannot be read; a wrong
    // argument of a known command gets its message alone.
    const auto usageError = [&err](const QString& message) {
        err << "quillaband-notes: " << message << '\n';
        return UsageError;
    };
    const auto withUsage = [&err](const QString& message) {
        if (!message.isEmpty())
            err << "quillaband-notes: " << message << '\n';
        err << usage;
        return UsageError;
    };
    if (!parser.parse(QStringList{QStringLiteral("quillaband-notes")} + arguments))
        return withUsage(parser.errorText());
    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return withUsage(QString());
    const QString command = positional.takeFirst();

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
    const QString database = parser.isSet(QStringLiteral("db"))
                                 ? parser.value(QStringLiteral("db"))
                                 : m_defaultDatabase;

    if (command == QStringLiteral("init")) {
        if (positional.size() != 1)
            return usageError(QStringLiteral("init takes one FILE."));
        const QString target = positional.first();
        if (QFile::exists(target))
            return databaseFailure(err, QStringLiteral("\"%1\" already exists.").arg(target));
        const QString templateFile = QDir(m_programFolder).filePath(QStringLiteral("org.kvl"));
        if (!QFile::copy(templateFile, target))
            return databaseFailure(err, QStringLiteral("Cannot copy \"%1\" to \"%2\".")
                                            .arg(templateFile, target));
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        return Success;
    }

    if (command == QStringLiteral("list")) {
        if (!positional.isEmpty())
            return usageError(QStringLiteral("list takes no arguments."));
        AppContext context;
        if (const int status = openLocal(context, database, err); status != Success)
            return status;
        RecordSet& notes = context.localNotizen;
        if (!notes.first())
            return databaseFailure(err, notes.error());
        for (; !notes.atEnd(); notes.next()) {
            out << notes.value(QStringLiteral("ID")).toString() << '\t'
                << notes.value(QStringLiteral("Rhythmus")).toString() << '\t'
                << notes.value(QStringLiteral("inhalt")).toString() << '\n';
        }
        return notes.error().isEmpty() ? Success : databaseFailure(err, notes.error());
    }

    if (command == QStringLiteral("add")) {
        if (positional.size() != 1)
            return usageError(QStringLiteral("add takes one TEXT (quote it)."));
        const QString text = positional.first();
        if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
            return usageError(QStringLiteral("A note is a single line."));
        NoteDraft draft;
        if (const auto failure = readDraft(parser, text, m_locale, draft))
            return usageError(failure->message);
        const NoteCheck check =
            NotizPruefen(draft, m_locale, m_clock.now().date(), [&err](EditorQuestion question) {
                // No one to ask: the options say what is meant; the warning stays visible.
                QString statement =
                    editorQuestionText(question, 1).section(QStringLiteral("\n\n"), 0, 0);
                if (statement.endsWith(QStringLiteral(" -")))
                    statement.chop(2);
                err << "quillaband-notes: warning: " << statement << ".\n";
                return true;
            });
        if (check.result != NoteCheck::Result::Passed) {
            err << "quillaband-notes: " << editorMessageText(*check.message, 1) << '\n';
            return UsageError;
        }
        AppContext context;
        if (const int status = openLocal(context, database, err); status != Success)
            return status;
        RecordSet& notes = context.localNotizen;
        bool stored = notes.addNew() && notes.setValue(QStringLiteral("inhalt"), text);
        const NoteColumns columns = scheduleColumns(check.schedule);
        for (auto column = columns.cbegin(); stored && column != columns.cend(); ++column)
            stored = notes.setValue(column.key(), column.value());
        if (!stored || !notes.update())
            return databaseFailure(err, QStringLiteral("Cannot write to \"%1\": %2")
                                            .arg(database, notes.error()));
        out << notes.lastAdded() << '\n';
        return Success;
    }

    if (command == QStringLiteral("remove")) {
        if (positional.isEmpty())
            return usageError(QStringLiteral("remove takes one or more IDs."));
        AppContext context;
        if (const int status = openLocal(context, database, err); status != Success)
            return status;
        RecordSet& notes = context.localNotizen;
        // Every ID is checked before anything is deleted. The criterion takes the
        // number in its plain form: "+5" or " 5" name note 5.
        QStringList ids;
        for (const QString& given : positional) {
            bool numeric = false;
            const QString id = QString::number(given.toLongLong(&numeric));
            if (!numeric)
                return usageError(QStringLiteral("\"%1\" is not an ID.").arg(given));
            if (!notes.findLast(QStringLiteral("ID = ") + id)) {
                if (!notes.error().isEmpty())
                    return databaseFailure(err, notes.error());
                return usageError(QStringLiteral("There is no note with ID %1.").arg(id));
            }
            ids << id;
        }
        for (const QString& id : ids) {
            if (!notes.findLast(QStringLiteral("ID = ") + id) && notes.error().isEmpty())
                continue; // the same ID given twice
            if (!notes.error().isEmpty() || !notes.remove())
                return databaseFailure(err, QStringLiteral("Cannot write to \"%1\": %2")
                                                .arg(database, notes.error()));
        }
        return Success;
    }

    if (command == QStringLiteral("due")) {
        if (!positional.isEmpty())
            return usageError(QStringLiteral("due takes no arguments."));
        QDateTime now = m_clock.now();
        if (parser.isSet(QStringLiteral("at"))) {
            now = QDateTime::fromString(parser.value(QStringLiteral("at")),
                                        QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
            if (!now.isValid())
                return usageError(QStringLiteral("--at takes YYYY-MM-DDThh:mm:ss."));
        }
        AppContext context;
        if (const int status = openLocal(context, database, err); status != Success)
            return status;
        EinstellungenLaden(context.localEinstellungen, context.settings);
        context.settings.broadcastStatus = parser.isSet(QStringLiteral("broadcast"));
        if (context.settings.broadcastStatus) {
            context.settings.broadcastPfad = parser.value(QStringLiteral("broadcast"));
            if (!context.BroadcastOeffnen())
                return databaseFailure(err, context.broadcast.error());
        }
        TickerAssembly assembly;
        QString bookmark;
        rebuildTicker(context, now, assembly, bookmark);
        for (const TickerEntry& entry : assembly.Eintraege)
            out << (entry.source == TickerSource::Broadcast ? 'B' : 'L') << '\t' << entry.text
                << '\n';
        return Success;
    }

    return withUsage(QStringLiteral("Unknown command \"%1\".").arg(command));
}

} // namespace qb
