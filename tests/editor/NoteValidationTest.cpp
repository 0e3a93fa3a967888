#include "editor/NoteValidation.h"

#include <gtest/gtest.h>

#include <QStringList>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace qb {
namespace {

// A draft of the given rhythm (0: permanent, with weekly chosen underneath) holding the
// row's entries; an empty note text or first date is filled in.
NoteDraft draft(int rhythm, NoteDraft d = {})
{
    d.notiz = d.notiz.isEmpty() ? QStringLiteral("Meeting") : d.notiz;
    d.firstDate = d.firstDate.isEmpty() ? QStringLiteral("04.12.2026") : d.firstDate;
    d.timeControl = rhythm != 0;
    d.rhythm = rhythm == 0 ? 2 : rhythm;
    return d;
}

NoteDraft times(const char* from, const char* to, int rhythm = 1)
{
    return draft(rhythm, {.fromTo = true, .fromTime = from, .toTime = to});
}

// The checks on 4 December 2026, every question answered with `answer`; `asked` gets the
// English statement of each question, marked when the editor beeps before it.
NoteCheck check(const NoteDraft& d, bool answer, QString& asked)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    return NotizPruefen(d, german, QDate(2026, 12, 4), [&](EditorQuestion question) {
        asked += (editorQuestionBeeps(question) ? QStringLiteral("beep: ") : QString()) +
                 editorQuestionText(question, 1).section(u'\n', 0, 0);
        return answer;
    });
}

TEST(NoteValidation, ErrorsNameTheirField)
{
    using enum EditorField;
    const struct
    {
        const char* name;
        NoteDraft draft;
        const char* english;
        EditorField focus;
        int row = 0;
        const char* asked = ""; // the questions before the error
    } cases[] = {
        {"note text of blanks only", draft(1, {.notiz = "   "}), "Note text missing.", Notiz},
        {"unreadable start time", times("25", "26"), "Invalid time format.", FromTime},
        {"unreadable end time", times("8", "8:75"), "Invalid time format.", ToTime},
        {"equal times", times("10:00", "10"), "End time after starting time!", ToTime},
        {"times checked while permanent", times("9:01", "9:00", 0), "End time after starting time!",
         ToTime},
        {"weekly without a weekday", draft(2), "No weekday selected.", Weekdays},
        {"n-th weekday without a position",
         draft(3, {.monthlyKind = NoteDraft::MonthlyKind::NthWeekday}),
         "Position of weekday within month not selected.", Position},
        {"yearly without any day", draft(4), "Day of year not selected.", YearlyDay},
        {"first row with a day but no month",
         draft(4, {.yearlyRows = {{{"24", 12}, {"1"}, {"2"}}}}), "Month missing.", YearlyMonth, 1},
        {"unreadable first date", draft(3, {.firstDate = "31.4."}), "Invalid date.", FirstDate},
        {"Dauer beyond 16 bits", draft(2, {.weekdays = {true}, .weeks = "32768"}),
         "Number too large.", Weeks},
        {"Vorher beyond 16 bits", draft(4, {.yearlyRows = {{{"1", 1}}}, .daysInAdvance = "32768"}),
         "Number too large.", DaysInAdvance},
        {"yearly day beyond two digits", draft(4, {.yearlyRows = {{{}, {}, {}, {"100", 1}}}}),
         "Number too large.", YearlyDay, 3},
        // Entries failing two checks: the earlier check answers, no question follows.
        {"blank text before a reversed window",
         draft(1, {.notiz = " ", .fromTo = true, .fromTime = "10", .toTime = "9"}),
         "Note text missing.", Notiz},
        {"blank text before the missing times", draft(1, {.notiz = " ", .fromTo = true}),
         "Note text missing.", Notiz},
        {"an unreadable time before the missing end", times("25", ""), "Invalid time format.",
         FromTime},
        {"a reversed window before the weekdays", times("10", "9", 2),
         "End time after starting time!", ToTime},
        {"a reversed window before the 31st",
         draft(3, {.fromTo = true, .fromTime = "10", .toTime = "9", .dayOfMonth = "31"}),
         "End time after starting time!", ToTime},
        {"the missing times, then the weekdays", times("", "", 2), "No weekday selected.", Weekdays,
         0, "beep: Start and end time missing -"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString asked;
        const NoteCheck result = check(c.draft, true, asked);
        ASSERT_EQ(result.result, NoteCheck::Result::Error);
        EXPECT_EQ(editorMessageText(*result.message, 1), QString::fromLatin1(c.english));
        EXPECT_EQ(result.focus, c.focus);
        EXPECT_EQ(result.row, c.row);
        EXPECT_EQ(asked, QString::fromLatin1(c.asked));
    }
}

// The editor's messages and questions in both languages, word for word.
TEST(NoteValidation, WordingInBothLanguages)
{
    using enum EditorMessage;
    const struct
    {
        EditorMessage message;
        const char16_t *german, *english;
    } messages[] = {
        {NoteTextMissing, u"Notiztext fehlt.", u"Note text missing."},
        {InvalidTime, u"Ungültiges Zeitformat.", u"Invalid time format."},
        {EndNotAfterStart, u"Schlusszeit muss hinter Anfangszeit liegen.",
         u"End time after starting time!"},
        {NoWeekday, u"Kein Wochentag gewählt.", u"No weekday selected."},
        {NoPosition, u"Position des Wochentags im Monat nicht gewählt.",
         u"Position of weekday within month not selected."},
        {NoDayOfYear, u"Kein Jahrestag gewählt.", u"Day of year not selected."},
        {MonthMissing, u"Monat fehlt.", u"Month missing."},
        {InvalidDate, u"Fehlerhaftes Datum.", u"Invalid date."},
        {NumberTooLarge, u"Zahl zu groß.", u"Number too large."},
    };
    for (const auto& m : messages) {
        EXPECT_EQ(editorMessageText(m.message, 2), QString::fromUtf16(m.german));
        EXPECT_EQ(editorMessageText(m.message, 1), QString::fromUtf16(m.english));
    }
    using enum EditorQuestion;
    const struct
    {
        EditorQuestion question;
        const char16_t *german, *english;
    } questions[] = {
        {BothTimesMissing, u"Anfangs- und Schlusszeit fehlt -\n\nZettel ganztags anzeigen?",
         u"Start and end time missing -\n\nShow note full-time?"},
        {StartTimeMissing, u"Anfangszeit fehlt -\n\nZettel ab 00:00 Uhr anzeigen?",
         u"Start time missing -\n\nShow note from midnight?"},
        {EndTimeMissing, u"Schlusszeit fehlt -\n\nZettel bis 23:59 Uhr anzeigen?",
         u"End time missing -\n\nShow note till midnight?"},
        {LeapYearOnly,
         u"Im Februar erscheint dieser Zettel nur in Schaltjahren -\n\nTrotzdem so einstellen?",
         u"In February this note will appear only in leap years -\n\nkeep this selection?"},
        {NotInShortMonths,
         u"Dieser Zettel erscheint nicht im Februar, April, Juni, September und November -"
         u"\n\nTrotzdem so einstellen?",
         u"This note will not appear in February, April, June, September and November -"
         u"\n\nkeep this selection?"},
    };
    for (const auto& q : questions) {
        EXPECT_EQ(editorQuestionText(q.question, 2), QString::fromUtf16(q.german));
        EXPECT_EQ(editorQuestionText(q.question, 1), QString::fromUtf16(q.english));
    }
}

// Yes fills in what is missing (the window shows the filled-in entries) or keeps the day;
// No stops the save.
TEST(NoteValidation, QuestionsAndAnswers)
{
    const auto monthDay = [](const char* day) { return draft(3, {.dayOfMonth = day}); };
    const struct
    {
        const char* name;
        NoteDraft draft;
        const char *asked, *yes; // yes: "whole day" or the times as shown and in minutes
    } cases[] = {
        {"both times missing", times("", ""), "beep: Start and end time missing -", "whole day"},
        {"start missing", times("", "9:00"), "beep: Start time missing -", "00:00-9:00 = 0-540"},
        {"end missing", times("9:00", ""), "beep: End time missing -", "9:00-23:59 = 540-1439"},
        {"the 29th", monthDay("29"), "In February this note will appear only in leap years -",
         "whole day"},
        {"the 31st", monthDay("31"),
         "This note will not appear in February, April, June, September and November -",
         "whole day"},
        {"029 is not the text 29", monthDay("029"), "", "whole day"},
    };
    for (const auto& c : cases) {
        for (bool answer : {true, false}) {
            SCOPED_TRACE(testing::Message() << c.name << (answer ? ", Yes" : ", No"));
            QString asked;
            const NoteCheck result = check(c.draft, answer, asked);
            const ScheduleDraft& s = result.schedule;
            const QString outcome =
                result.result == NoteCheck::Result::Declined ? QStringLiteral("declined")
                : s.wholeDay                                 ? QStringLiteral("whole day")
                                                             : QStringLiteral("%1-%2 = %3-%4")
                                   .arg(result.draft.fromTime, result.draft.toTime)
                                   .arg(s.fromMinutes)
                                   .arg(s.toMinutes);
            EXPECT_EQ(asked, QString::fromLatin1(c.asked));
            EXPECT_EQ(outcome, answer || asked.isEmpty() ? c.yes : "declined");
        }
    }
}

// A passing draft settles what the save writes; the whole-day window is left out here.
TEST(NoteValidation, PassedDraftsSettleTheSchedule)
{
    using enum NoteDraft::MonthlyKind;
    const struct
    {
        const char* name;
        NoteDraft draft;
        const char* columns;
    } cases[] = {
        {"permanent stores no window", times("8:00", "9:00", 0), "Rhythmus=0"},
        {"empty fields count as filled in on leaving them",
         draft(3, {.firstDate = " ", .dayOfMonth = "", .daysInAdvance = ""}),
         "RhyDetails=14 Rhythmus=3 StartDatum=2026-12-04 Vorher=0"},
        {"last Friday from 1 January, the largest Vorher",
         draft(3, {.firstDate = "1.1.",
                   .monthlyKind = NthWeekday,
                   .position = 5,
                   .weekday = 4,
                   .daysInAdvance = "32767"}),
         "RhyDetails=254 Rhythmus=3 StartDatum=2026-01-01 Vorher=32767"},
        {"weekdays and the largest Dauer",
         draft(2, {.weekdays = {true, false, true}, .weeks = "32767"}),
         "Dauer=32767 RhyDetails=-1 0-1 0 0 0 0 Rhythmus=2 StartDatum=2026-12-04"},
        {"yearly rows without a day are left out",
         draft(4, {.yearlyRows = {{{"", 5}, {"24", 12}, {}, {"99", 3}}}}),
         "RhyDetails=24129903 Rhythmus=4 StartDatum=2026-12-04 Vorher=0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString asked;
        const NoteCheck result = check(c.draft, false, asked);
        ASSERT_EQ(result.result, NoteCheck::Result::Passed);
        NoteColumns columns = scheduleColumns(result.schedule);
        EXPECT_EQ(columns.take("UhrVon").toDouble() + columns.take("UhrBis").toDouble(), 0.0);
        QStringList written;
        for (auto it = columns.begin(); it != columns.end(); ++it)
            written.append(it.key() + u'=' + it->toString());
        EXPECT_EQ(written.join(u' '), QString::fromLatin1(c.columns));
    }
}

} // namespace
} // namespace qb
