#pragma once

#include "core/TextPaar.h"

#include <QString>

namespace qb {

// The errors the note editor shows in its message line.
enum class EditorMessage {
    NoteTextMissing,
    InvalidTime,
    EndNotAfterStart,
    NoWeekday,
    NoPosition,
    NoDayOfYear,
    MonthMissing,
    InvalidDate,
    NumberTooLarge,
    RecordNotFound, // the edited note was deleted meanwhile
};

// The questions the editor asks before saving (Yes goes on, No stops the save).
enum class EditorQuestion {
    BothTimesMissing,
    StartTimeMissing,
    EndTimeMissing,
    LeapYearOnly,
    NotInShortMonths,
};

// The text of a message or question in the language Sprache (1 English, otherwise
// German). A question's statement and question are separated by one empty line.
QString editorMessageText(EditorMessage message, qint16 sprache);
QString editorQuestionText(EditorQuestion question, qint16 sprache);

// Whether the editor beeps before asking: the time-window questions do, the day-of-month
// warnings do not.
bool editorQuestionBeeps(EditorQuestion question);

// Every message's and question's pair, for the check that each has both languages.
TextTable editorMessageTable();

} // namespace qb
