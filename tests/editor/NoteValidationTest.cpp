#include "editor/NoteValidation.h"

#include "schedule/NoteRow.h"
#include "schedule/RhyDetails.h"

#include <gtest/gtest.h>

#include <QList>

#include <deque>
#include <functional>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace qb {
namespace {

const QLocale german(QLocale::German, QLocale::Germany);
const QDate today(2026, 12, 4);

NoteDraft timed(int rhythm)
{
    NoteDraft draft;
    draft.notiz = QStringLiteral("Meeting");
    draft.timeControl = true;
    draft.rhythm = rhythm;
    draft.firstDate = QStringLiteral("04.12.2026");
    return draft;
}

// Answers questions from a queue and records what was asked; an unexpected question
// fails the test and is answered No.
struct ScriptedAnswers
{
    std::deque<bool> answers;
    QList<EditorQuestion> asked;

    QuestionAsker asker()
    {
        return [this](EditorQuestion question) {
            asked.append(question);
            if (answers.empty()) {
                ADD_FAILURE() << "unexpected question " << static_cast<int>(question);
                return false;
            }
            const bool answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
};

struct ErrorCase
{
    const char* name;
    std::function<void(NoteDraft&)> change;
    EditorMessage message;
    EditorField focus;
    int row;
    const char* english;
    const char* german;
};

// Each check stops the save with its message, in both languages, and names the field.
TEST(NoteValidation, ErrorsAndTheirTexts)
{
    const std::vector<ErrorCase> cases = {
        {"note text of blanks only", [](NoteDraft& d) { d.notiz = QStringLiteral("   "); },
         EditorMessage::NoteTextMissing, EditorField::Notiz, 0, "Note text missing.",
         "Notiztext fehlt."},
        {"equal times are refused",
         [](NoteDraft& d) {
             d.fromTo = true;
             d.fromTime = d.toTime = QStringLiteral("10:00");
         },
         EditorMessage::EndNotAfterStart, EditorField::ToTime, 0, "End time after starting time!",
         "Schlusszeit muss hinter Anfangszeit liegen."},
        {"end before start also while permanent",
         [](NoteDraft& d) {
             d.timeControl = false;
             d.fromTo = true;
             d.fromTime = QStringLiteral("11:00");
             d.toTime = QStringLiteral("9:00");
         },
         EditorMessage::EndNotAfterStart, EditorField::ToTime, 0, "End time after starting time!",
         "Schlusszeit muss hinter Anfangszeit liegen."},
        {"unreadable start time",
         [](NoteDraft& d) {
             d.fromTo = true;
             d.fromTime = QStringLiteral("25");
             d.toTime = QStringLiteral("26");
         },
         EditorMessage::InvalidTime, EditorField::FromTime, 0, "Invalid time format.",
         "Ungültiges Zeitformat."},
        {"weekly without a weekday", [](NoteDraft& d) { d.rhythm = 2; }, EditorMessage::NoWeekday,
         EditorField::Weekdays, 0, "No weekday selected.", "Kein Wochentag gewählt."},
        {"n-th weekday without a position",
         [](NoteDraft& d) {
             d.rhythm = 3;
             d.monthlyKind = NoteDraft::MonthlyKind::NthWeekday;
         },
         EditorMessage::NoPosition, EditorField::Position, 0,
         "Position of weekday within month not selected.",
         "Position des Wochentags im Monat nicht gewählt."},
        {"yearly without any day", [](NoteDraft& d) { d.rhythm = 4; }, EditorMessage::NoDayOfYear,
         EditorField::YearlyDay, 0, "Day of year not selected.", "Kein Jahrestag gewählt."},
        {"yearly row 2 with a day but no month",
         [](NoteDraft& d) {
             d.rhythm = 4;
             d.yearlyRows[0] = {QStringLiteral("24"), 12};
             d.yearlyRows[1] = {QStringLiteral("1"), 0};
             d.yearlyRows[2] = {QStringLiteral("2"), 0};
         },
         EditorMessage::MonthMissing, EditorField::YearlyMonth, 1, "Month missing.",
         "Monat fehlt."},
        {"unreadable first date",
         [](NoteDraft& d) {
             d.rhythm = 2;
             d.weekdays[0] = true;
             d.firstDate = QStringLiteral("31.04.2026");
         },
         EditorMessage::InvalidDate, EditorField::FirstDate, 0, "Invalid date.",
         "Fehlerhaftes Datum."},
        {"Dauer beyond 16 bits",
         [](NoteDraft& d) {
             d.rhythm = 2;
             d.weekdays[0] = true;
             d.weeks = QStringLiteral("40000");
         },
         EditorMessage::NumberTooLarge, EditorField::Weeks, 0, "Number too large.",
         "Zahl zu groß."},
        {"yearly day beyond two digits",
         [](NoteDraft& d) {
             d.rhythm = 4;
             d.yearlyRows[3] = {QStringLiteral("100"), 1};
         },
         EditorMessage::NumberTooLarge, EditorField::YearlyDay, 3, "Number too large.",
         "Zahl zu groß."},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.name);
        NoteDraft draft = timed(1);
        c.change(draft);
        ScriptedAnswers answers;
        const NoteCheck check = NotizPruefen(draft, german, today, answers.asker());
        ASSERT_EQ(check.result, NoteCheck::Result::Error);
        ASSERT_EQ(check.message, c.message);
        EXPECT_EQ(check.focus, c.focus);
        EXPECT_EQ(check.row, c.row);
        EXPECT_EQ(editorMessageText(*check.message, 1), QString::fromUtf8(c.english));
        EXPECT_EQ(editorMessageText(*check.message, 2), QString::fromUtf8(c.german));
        EXPECT_TRUE(answers.asked.isEmpty());
    }
}

// The time-window questions: Yes fills in the missing end, No stops the save.
TEST(NoteValidation, MissingTimesAreAskedFor)
{
    struct Case
    {
        const char* name;
        const char* from;
        const char* to;
        bool answer;
        EditorQuestion question;
        NoteCheck::Result result;
        const char* fromAfter;
        const char* toAfter;
        bool wholeDay;
    };
    const Case cases[] = {
        {"both missing, Yes: whole day", "", "", true, EditorQuestion::BothTimesMissing,
         NoteCheck::Result::Passed, "", "", true},
        {"both missing, No", "", "", false, EditorQuestion::BothTimesMissing,
         NoteCheck::Result::Declined, "", "", false},
        {"start missing, Yes: from midnight", "", "9:00", true, EditorQuestion::StartTimeMissing,
         NoteCheck::Result::Passed, "00:00", "9:00", false},
        {"end missing, Yes: till 23:59", "9:00", "", true, EditorQuestion::EndTimeMissing,
         NoteCheck::Result::Passed, "9:00", "23:59", false},
        {"end missing, No", "9:00", "", false, EditorQuestion::EndTimeMissing,
         NoteCheck::Result::Declined, "9:00", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NoteDraft draft = timed(1);
        draft.fromTo = true;
        draft.fromTime = QString::fromLatin1(c.from);
        draft.toTime = QString::fromLatin1(c.to);
        ScriptedAnswers answers{{c.answer}, {}};
        const NoteCheck check = NotizPruefen(draft, german, today, answers.asker());
        EXPECT_EQ(answers.asked, QList<EditorQuestion>{c.question});
        EXPECT_EQ(check.result, c.result);
        EXPECT_EQ(check.draft.fromTime, QString::fromLatin1(c.fromAfter));
        EXPECT_EQ(check.draft.toTime, QString::fromLatin1(c.toAfter));
        if (c.result == NoteCheck::Result::Passed) {
            EXPECT_EQ(check.schedule.wholeDay, c.wholeDay);
            const NoteColumns columns = scheduleColumns(check.schedule);
            const NoteRow row =
                NoteRow::fromColumns([&](const QString& column) { return columns.value(column); });
            EXPECT_EQ(row.UhrVon.value() + row.UhrBis.value() == 0, c.wholeDay);
        }
    }
    EXPECT_TRUE(editorQuestionBeeps(EditorQuestion::EndTimeMissing));
    EXPECT_EQ(editorQuestionText(EditorQuestion::EndTimeMissing, 2),
              QStringLiteral("Schlusszeit fehlt -\n\nZettel bis 23:59 Uhr anzeigen?"));
}

// The 29th and the 31st warn without a beep; the 30th passes silently.
TEST(NoteValidation, DayOfMonthWarnings)
{
    struct Case
    {
        const char* name;
        const char* day;
        QList<EditorQuestion> asked;
    };
    const Case cases[] = {
        {"29th asks about leap years", "29", {EditorQuestion::LeapYearOnly}},
        {"31st asks about short months", "31", {EditorQuestion::NotInShortMonths}},
        {"30th asks nothing", "30", {}},
        {"029 is not the text 29", "029", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NoteDraft draft = timed(3);
        draft.dayOfMonth = QString::fromLatin1(c.day);
        ScriptedAnswers answers{{false}, {}};
        const NoteCheck check = NotizPruefen(draft, german, today, answers.asker());
        EXPECT_EQ(answers.asked, c.asked);
        EXPECT_EQ(check.result,
                  c.asked.isEmpty() ? NoteCheck::Result::Passed : NoteCheck::Result::Declined);
        for (EditorQuestion question : c.asked)
            EXPECT_FALSE(editorQuestionBeeps(question));
    }
    EXPECT_EQ(editorQuestionText(EditorQuestion::NotInShortMonths, 1),
              QStringLiteral("This note will not appear in February, April, June, September and "
                             "November -\n\nkeep this selection?"));
}

// A passing draft settles the values the save writes.
TEST(NoteValidation, PassedDraftsSettleTheSchedule)
{
    NoteDraft permanent = timed(2);
    permanent.timeControl = false;
    permanent.fromTo = true;
    permanent.fromTime = QStringLiteral("8:00");
    permanent.toTime = QStringLiteral("9:00");
    ScriptedAnswers none;
    const NoteCheck permanentCheck = NotizPruefen(permanent, german, today, none.asker());
    ASSERT_EQ(permanentCheck.result, NoteCheck::Result::Passed);
    EXPECT_EQ(scheduleColumns(permanentCheck.schedule).keys(),
              QStringList{QStringLiteral("Rhythmus")})
        << "a permanent note stores no window";

    NoteDraft monthly = timed(3);
    monthly.monthlyKind = NoteDraft::MonthlyKind::NthWeekday;
    monthly.position = 5;
    monthly.weekday = 4;
    monthly.daysInAdvance = QString();
    monthly.firstDate = QStringLiteral("1.1.");
    const NoteCheck monthlyCheck = NotizPruefen(monthly, german, today, none.asker());
    ASSERT_EQ(monthlyCheck.result, NoteCheck::Result::Passed);
    const NoteColumns columns = scheduleColumns(monthlyCheck.schedule);
    EXPECT_EQ(columns.value(QStringLiteral("RhyDetails")).toString(), QStringLiteral("254"));
    EXPECT_EQ(columns.value(QStringLiteral("StartDatum")).toString(), QStringLiteral("2026-01-01"));
    EXPECT_EQ(columns.value(QStringLiteral("Vorher")).toInt(), 0) << "an empty field counts as 0";

    NoteDraft emptyDay = timed(3);
    emptyDay.firstDate = QString();
    const NoteCheck emptyDayCheck = NotizPruefen(emptyDay, german, today, none.asker());
    ASSERT_EQ(emptyDayCheck.result, NoteCheck::Result::Passed);
    EXPECT_EQ(monthlyRhyDetails(emptyDayCheck.schedule), QStringLiteral("14"))
        << "an empty day field counts as today's day";
    EXPECT_EQ(emptyDayCheck.schedule.firstDate, today);
}

} // namespace
} // namespace qb
