#include "editor/NoteValidation.h"

#include "schedule/DateText.h"
#include "schedule/RhyDetails.h"

#include <algorithm>
#include <limits>

namespace qb {

namespace {

constexpr int largestStoredNumber = std::numeric_limits<qint16>::max();
constexpr int largestYearlyDay = 99; // two characters in RhyDetails

NoteCheck error(NoteCheck check, EditorMessage message, EditorField focus, int row = 0)
{
    check.result = NoteCheck::Result::Error;
    check.message = message;
    check.focus = focus;
    check.row = row;
    return check;
}

NoteCheck declined(NoteCheck check)
{
    check.result = NoteCheck::Result::Declined;
    return check;
}

// A number field as the editor reads it; an empty field counts as `empty`.
int numberField(const QString& text, int empty)
{
    return text.isEmpty() ? empty : ZahlLesen(text);
}

// Step 2: the time window. Returns an error or a No, or nothing when the checks go on.
std::optional<NoteCheck> checkTimes(NoteCheck& check, const QuestionAsker& ask)
{
    NoteDraft& draft = check.draft;
    if (!draft.fromTo)
        return std::nullopt;
    if (ZeitNormieren(draft.fromTime).state == NormalisedTime::State::Invalid)
        return error(check, EditorMessage::InvalidTime, EditorField::FromTime);
    if (ZeitNormieren(draft.toTime).state == NormalisedTime::State::Invalid)
        return error(check, EditorMessage::InvalidTime, EditorField::ToTime);

    if (draft.fromTime.isEmpty() && draft.toTime.isEmpty()) {
        if (!ask(EditorQuestion::BothTimesMissing))
            return declined(check);
        draft.fromTo = false;
        return std::nullopt;
    }
    if (draft.fromTime.isEmpty()) {
        if (!ask(EditorQuestion::StartTimeMissing))
            return declined(check);
        draft.fromTime = QStringLiteral("00:00");
    } else if (draft.toTime.isEmpty()) {
        if (!ask(EditorQuestion::EndTimeMissing))
            return declined(check);
        draft.toTime = QStringLiteral("23:59");
    }
    const NormalisedTime from = ZeitNormieren(draft.fromTime);
    const NormalisedTime to = ZeitNormieren(draft.toTime);
    if (from.minutes >= to.minutes)
        return error(check, EditorMessage::EndNotAfterStart, EditorField::ToTime);
    check.schedule.wholeDay = false;
    check.schedule.fromMinutes = from.minutes;
    check.schedule.toMinutes = to.minutes;
    return std::nullopt;
}

// Step 3, the checks every dated rhythm shares: the first date and Dauer / Vorher.
std::optional<NoteCheck> checkDateAndNumbers(NoteCheck& check, const QLocale& locale, QDate today)
{
    const NoteDraft& draft = check.draft;
    ScheduleDraft& schedule = check.schedule;
    const QString dateText = LeerzeichenEntfernen(draft.firstDate);
    const std::optional<QDate> firstDate =
        dateText.isEmpty() ? std::optional<QDate>(today) : DatumLesen(dateText, locale, today);
    if (!firstDate)
        return error(check, EditorMessage::InvalidDate, EditorField::FirstDate);
    schedule.firstDate = *firstDate;

    if (schedule.rhythm == 2) {
        schedule.weeks = numberField(draft.weeks, 0);
        if (schedule.weeks > largestStoredNumber)
            return error(check, EditorMessage::NumberTooLarge, EditorField::Weeks);
    } else {
        schedule.daysInAdvance = numberField(draft.daysInAdvance, 0);
        if (schedule.daysInAdvance > largestStoredNumber)
            return error(check, EditorMessage::NumberTooLarge, EditorField::DaysInAdvance);
    }
    return std::nullopt;
}

} // namespace

NoteCheck NotizPruefen(const NoteDraft& draft, const QLocale& locale, QDate today,
                       const QuestionAsker& ask)
{
    NoteCheck check;
    check.draft = draft;
    ScheduleDraft& schedule = check.schedule;

    if (LeerzeichenEntfernen(draft.notiz).isEmpty())
        return error(check, EditorMessage::NoteTextMissing, EditorField::Notiz);

    if (std::optional<NoteCheck> stop = checkTimes(check, ask))
        return *stop;

    schedule.rhythm = draft.timeControl ? draft.rhythm : 0;
    switch (schedule.rhythm) {
    case 2:
        if (std::none_of(draft.weekdays.begin(), draft.weekdays.end(), [](bool d) { return d; }))
            return error(check, EditorMessage::NoWeekday, EditorField::Weekdays);
        schedule.weekdays = draft.weekdays;
        break;
    case 3:
        if (draft.monthlyKind == NoteDraft::MonthlyKind::NthWeekday) {
            if (draft.position < 1 || draft.position > 5)
                return error(check, EditorMessage::NoPosition, EditorField::Position);
            schedule.monthlyKind = ScheduleDraft::MonthlyKind::NthWeekday;
            schedule.position = draft.position;
            schedule.weekday = draft.weekday;
        } else {
            schedule.monthlyKind = ScheduleDraft::MonthlyKind::DayOfMonth;
            schedule.dayOfMonth = numberField(draft.dayOfMonth, today.day());
        }
        break;
    case 4: {
        const auto& rows = draft.yearlyRows;
        if (std::all_of(rows.begin(), rows.end(), [](const auto& r) { return r.day.isEmpty(); }))
            return error(check, EditorMessage::NoDayOfYear, EditorField::YearlyDay);
        for (int i = 0; i < 4; ++i) {
            if (!rows[i].day.isEmpty() && (rows[i].month < 1 || rows[i].month > 12))
                return error(check, EditorMessage::MonthMissing, EditorField::YearlyMonth, i);
        }
        for (int i = 0; i < 4; ++i) {
            if (rows[i].day.isEmpty())
                continue;
            const int day = ZahlLesen(rows[i].day);
            if (day > largestYearlyDay)
                return error(check, EditorMessage::NumberTooLarge, EditorField::YearlyDay, i);
            schedule.yearlyRows[i] = {day, rows[i].month};
        }
        break;
    }
    default:
        break;
    }

    if (schedule.rhythm >= 2 && schedule.rhythm <= 4) {
        if (std::optional<NoteCheck> stop = checkDateAndNumbers(check, locale, today))
            return *stop;
    }
    if (schedule.rhythm == 3 && schedule.monthlyKind == ScheduleDraft::MonthlyKind::DayOfMonth) {
        if (draft.dayOfMonth == QLatin1String("29") && !ask(EditorQuestion::LeapYearOnly))
            return declined(check);
        if (draft.dayOfMonth == QLatin1String("31") && !ask(EditorQuestion::NotInShortMonths))
            return declined(check);
    }
    return check;
}

} // namespace qb
