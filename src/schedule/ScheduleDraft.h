#pragma once

#include <QDate>
#include <QMap>
#include <QString>
#include <QVariant>

#include <array>
#include <optional>

namespace qb {

// A note's schedule as the editor (or the command-line companion) has settled it, in plain
// values: the input of the one routine that builds the stored encodings.
struct ScheduleDraft
{
    enum class MonthlyKind { DayOfMonth, NthWeekday };

    // One of the four yearly rows: a row without a day is left out; month 1-12.
    struct YearlyRow
    {
        std::optional<int> day;
        int month = 0;
        bool operator==(const YearlyRow&) const = default;
    };

    int rhythm = 0;       // Rhythmus: 0 permanent, 1 daily, 2 weekly, 3 monthly, 4 yearly
    bool wholeDay = true; // false: the window fromMinutes..toMinutes
    int fromMinutes = 0;  // minutes after midnight, 0..1439
    int toMinutes = 0;

    std::array<bool, 7> weekdays{}; // weekly: Monday..Sunday
    QDate firstDate;                // weekly, monthly, yearly: StartDatum
    int weeks = 0;                  // weekly: Dauer, 0 = no end

    MonthlyKind monthlyKind = MonthlyKind::DayOfMonth;
    int dayOfMonth = 1; // monthly by day
    int position = 1;   // monthly by weekday: 1-4 first to fourth, 5 last
    int weekday = 0;    // monthly by weekday: 0 = Monday ... 6 = Sunday

    std::array<YearlyRow, 4> yearlyRows{};
    int daysInAdvance = 0; // monthly, yearly: Vorher

    bool operator==(const ScheduleDraft&) const = default;
};

// Column name -> value, for the columns a save writes. Columns missing from the map are
// not written and keep their earlier contents.
using NoteColumns = QMap<QString, QVariant>;

// The schedule columns a save writes for the draft's rhythm (inhalt is the caller's):
//   0: Rhythmus
//   1: Rhythmus, UhrVon, UhrBis
//   2: Rhythmus, UhrVon, UhrBis, StartDatum, Dauer, RhyDetails
//   3, 4: Rhythmus, UhrVon, UhrBis, StartDatum, Vorher, RhyDetails
// A rhythm outside 0-4 writes Rhythmus and the times. Whole day writes 0 and 0. StartDatum
// is the text 'YYYY-MM-DD', NULL when firstDate is invalid or outside the years 1-9999.
// Dauer and Vorher are 16-bit: values beyond that range are clamped (the editor's checks
// refuse them before).
NoteColumns scheduleColumns(const ScheduleDraft& draft);

// RhyDetails for a weekly note: "-1" for a chosen day, " 0" for the others (14 characters).
QString weeklyRhyDetails(const std::array<bool, 7>& weekdays);

// RhyDetails for a monthly note: "1" and the day number, or "2", the position digit and
// the weekday number.
QString monthlyRhyDetails(const ScheduleDraft& draft);

// RhyDetails for a yearly note: for every row with a day, the day and the month in two
// digits each (a day beyond 99 is clamped to 99 so the groups keep their width).
QString yearlyRhyDetails(const std::array<ScheduleDraft::YearlyRow, 4>& rows);

} // namespace qb
