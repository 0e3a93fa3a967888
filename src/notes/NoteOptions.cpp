#include "notes/NoteOptions.h"

#include "schedule/DateText.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace qb {

const QString notesUsage = QStringLiteral(
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
    "  --ahead N                   monthly, yearly: days in advance\n"
    "A TEXT that begins with \"-\" comes last, after \"--\".\n");

QList<QCommandLineOption> notesOptions()
{
    return {
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
}

namespace {

const QStringList weekdayNames{"mon", "tue", "wed", "thu", "fri", "sat", "sun"};
const QStringList positionNames{"first", "second", "third", "fourth", "last"};

} // namespace

std::optional<QString> readNoteDraft(const QCommandLineParser& parser, const QString& text,
                                     const QLocale& locale, NoteDraft& draft)
{
    const auto usageError = [](const QString& message) { return std::optional<QString>(message); };
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
        const QDate start = QDate::fromString(parser.value(QStringLiteral("start")), Qt::ISODate);
        if (!start.isValid())
            return usageError(QStringLiteral("--start takes a date YYYY-MM-DD."));
        draft.firstDate = DatumFormatieren(start, locale);
    }
    // The editor's number fields take digits only.
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    for (const char* name : {"weeks", "ahead", "day"}) {
        const QString option = QString::fromLatin1(name);
        if (parser.isSet(option) && !digits.match(parser.value(option)).hasMatch())
            return usageError(QStringLiteral("--%1 takes a number.").arg(option));
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

} // namespace qb
