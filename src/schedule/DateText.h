#pragma once

#include "schedule/TimeOfDay.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// The date and time texts of the note editor. Dates are shown as day, month and four-digit
// year with leading zeros, joined by the locale's date separator ("04.12.2026" in German);
// times as "hh:mm". Routines that need "today" take it as a parameter.
namespace qb {

// The text without blanks (spaces) at both ends; other characters are kept.
QString LeerzeichenEntfernen(QStringView text);

// The locale's date separator: the first character of its short date format that is not
// a letter ("." for German, "/" for American English).
QChar dateSeparator(const QLocale& locale);

// The date in the editor's layout: dd, separator, MM, separator, yyyy.
QString DatumFormatieren(QDate date, const QLocale& locale);

// Reads a date text typed in the editor: day, month and an optional year, separated by
// the locale's date separator or a point; an empty trailing part after the month counts
// as a missing year ("4.12." reads like "4.12"). A missing year is today's year; a one- or
// two-digit year lies in 1930-2029; a four-digit year stands as written and must lie in
// firstAcceptedYear-lastAcceptedYear (a longer one is refused, never cut). Parts hold digits
// only, and the date must exist (31.04. is not a date: no roll-over). Blanks at both ends
// are ignored. Day-month-year order always, whatever the locale's own order, so that a
// text the editor wrote reads back as the same date.
std::optional<QDate> DatumLesen(QStringView text, const QLocale& locale, QDate today);

// True when the text, without blanks at both ends, is empty or reads as a date.
bool DatumGueltig(QStringView text, const QLocale& locale, QDate today);

// Normalises a date field when it loses the focus (text changed in place):
// 1. An empty text (after removing blanks) becomes today's date in the editor's layout.
// 2. A trailing point is removed ("4.12." -> "4.12").
// 3. A text that reads as a date becomes that date in the editor's layout.
// 4. Otherwise the text keeps the form of step 2; the caller reports it (DatumGueltig).
void DatumNormieren(QString& text, const QLocale& locale, QDate today);

// Result of ZeitNormieren: empty (the field is simply not set), invalid, or a time of day
// with its "hh:mm" text and its value in minutes after midnight.
struct NormalisedTime
{
    enum class State { Empty, Valid, Invalid };

    State state = State::Empty;
    QString text;
    int minutes = 0;

    bool isValid() const { return state == State::Valid; }
    // The stored encoding, hours / 24 + minutes / 1440.
    double fraction() const { return dayFractionOfMinutes(minutes); }
    bool operator==(const NormalisedTime&) const = default;
};

// Normalises a time text ("8" -> "08:00", "7:3" -> "07:03", ":30" -> "00:30"):
// 1. Two or more colons: invalid.
// 2. An empty text stays empty and is no error.
// 3. No colon: ":00" is appended.
// 4. Split at the colon; hours before it, minutes after it; an empty part counts as 0.
// 5. A part holding anything but digits, hours above 23 or minutes above 59: invalid.
// 6. Otherwise "hh:mm" with two digits each.
NormalisedTime ZeitNormieren(QStringView text);

} // namespace qb
