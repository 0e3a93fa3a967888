#pragma once

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <array>

// Reading of the column RhyDetails. The text is consumed from the left in pieces of fixed
// length (two characters per weekday group, one for the monthly kind and for the position,
// two plus two per yearly group); what remains after the leading pieces is read as a whole.
// A piece that runs past the end of the text holds the characters that are there (possibly
// none), like a substring taken with a length.
namespace qb {

// Lenient numeric reading: leading blanks (spaces) are skipped, one leading minus sign is
// honoured, then the decimal digits up to the first other character count; a text without
// such digits reads as 0. Long digit runs saturate at +/-2147483647 instead of overflowing.
// Examples: " 0" -> 0, "-1" -> -1, "12ab" -> 12, "ab" -> 0, "- 1" -> 0, "+1" -> 0.
int ZahlLesen(QStringView text);

// Weekly details: seven two-character groups, Monday to Sunday. A group is chosen when its
// value is not 0; a group missing from a short text is not chosen.
struct WeeklyDetails
{
    std::array<bool, 7> chosen{}; // index 0 = Monday

    // wochentagMo: Monday = 1 ... Sunday = 7; anything else is not chosen.
    bool isChosen(int wochentagMo) const
    {
        return wochentagMo >= 1 && wochentagMo <= 7 && chosen[wochentagMo - 1];
    }
    bool operator==(const WeeklyDetails&) const = default;
};

WeeklyDetails weeklyDetails(QStringView rhyDetails);

// Monthly details. The first character is the kind: value 1 = a day of the month, with the
// day number in the rest; any other value = the n-th weekday, with the position in the
// second character (1-4 = first to fourth, 5 or more = last, 0 or below = no day) and the
// weekday in the rest (0 = Monday ... 6 = Sunday; other values match no day).
struct MonthlyDetails
{
    enum class Kind { DayOfMonth, NthWeekday };

    Kind kind = Kind::NthWeekday;
    int day = 0;      // DayOfMonth only
    int position = 0; // NthWeekday only
    int weekday = 0;  // NthWeekday only
    bool operator==(const MonthlyDetails&) const = default;
};

MonthlyDetails monthlyDetails(QStringView rhyDetails);

// Yearly details: every complete four-character group, day then month (two characters
// each), in stored order; a remainder shorter than a group is ignored.
struct YearlyGroup
{
    int day = 0;
    int month = 0;
    bool operator==(const YearlyGroup&) const = default;
};

struct YearlyDetails
{
    QVarLengthArray<YearlyGroup, 4> groups;
    bool operator==(const YearlyDetails& other) const { return groups == other.groups; }
};

// Number of complete yearly groups and the group at an index below that number; the
// evaluation walks them without building YearlyDetails.
inline qsizetype yearlyGroupCount(QStringView rhyDetails)
{
    return rhyDetails.size() / 4;
}
YearlyGroup yearlyGroupAt(QStringView rhyDetails, qsizetype index);

YearlyDetails yearlyDetails(QStringView rhyDetails);

} // namespace qb
