#pragma once

#include "editor/EditorMessage.h"
#include "editor/NoteDraft.h"
#include "schedule/ScheduleDraft.h"

#include <QDate>
#include <QLocale>

#include <functional>
#include <optional>

namespace qb {

// The editor field that takes the focus after an error.
enum class EditorField {
    Notiz,
    FromTime,
    ToTime,
    Weekdays,
    FirstDate,
    Weeks,
    DayOfMonth,
    Position,
    YearlyDay,   // with the row index
    YearlyMonth, // with the row index
    DaysInAdvance,
};

// Outcome of the checks of a save.
struct NoteCheck
{
    enum class Result { Passed, Error, Declined };

    Result result = Result::Passed;
    std::optional<EditorMessage> message; // Error: the message-line text
    EditorField focus = EditorField::Notiz;
    int row = 0; // YearlyDay, YearlyMonth: index 0-3
    // The entries after the checks: a Yes may have filled in "00:00" or "23:59" or
    // switched to whole day; the window shows these also when the save stops later.
    NoteDraft draft;
    // Passed: the settled schedule, ready for scheduleColumns.
    ScheduleDraft schedule;
};

// Asks a question with Yes and No; true means Yes.
using QuestionAsker = std::function<bool(EditorQuestion question)>;

// The checks of a save, in this order; the first error or No ends them:
// 1. The note text without blanks at both ends is empty: NoteTextMissing.
// 2. Only with from/to chosen (also while permanent is chosen):
//    1. A time field that is not empty and not a valid time: InvalidTime.
//    2. Both empty: ask BothTimesMissing; Yes switches to whole day.
//    3. From empty: ask StartTimeMissing; Yes fills in "00:00".
//    4. To empty: ask EndTimeMissing; Yes fills in "23:59".
//    5. Times left: from must be before to, else EndNotAfterStart.
// 3. The rhythm (0 when permanent, otherwise the chosen one):
//    weekly: no weekday: NoWeekday;
//    monthly by weekday: no position: NoPosition;
//    yearly: no day in any row: NoDayOfYear; the first row with a day but no month:
//    MonthMissing;
//    then, for these three: an unreadable first date: InvalidDate; Dauer or Vorher
//    beyond 32767, or a yearly day beyond 99: NumberTooLarge;
//    monthly by day: the text "29" asks LeapYearOnly, "31" asks NotInShortMonths.
// Empty number fields and an empty first date count as the editor fills them in when
// they lose the focus ("0", today's day, today's date).
NoteCheck NotizPruefen(const NoteDraft& draft, const QLocale& locale, QDate today,
                       const QuestionAsker& ask);

} // namespace qb
