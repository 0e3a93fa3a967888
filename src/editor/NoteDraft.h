#pragma once

#include <QString>

#include <array>

namespace qb {

// The note editor's entries as its controls hold them: texts of the fields, the chosen
// options and list entries. The window reads its controls into this value; the checks
// and the building of the stored columns work on it alone.
struct NoteDraft
{
    enum class MonthlyKind { DayOfMonth, NthWeekday }; // MonArtOpt(1), MonArtOpt(2)

    // One yearly row: TagZahlJahr(i) and MonatJah(i).
    struct YearlyRow
    {
        QString day;
        int month = 0; // 1-12, 0 = no month shown
        bool operator==(const YearlyRow&) const = default;
    };

    QString notiz;            // the note text as typed
    bool timeControl = false; // ZeitArtOpt(1); false = permanent
    int rhythm = 1;           // the chosen RhythmusOpt, 1-4
    bool fromTo = false;      // UhrArtOpt(1); false = whole day
    QString fromTime;         // Uhrzeit(1)
    QString toTime;           // Uhrzeit(2)

    std::array<bool, 7> weekdays{};      // WoTagChe(1)-(7), Monday..Sunday
    QString firstDate;                   // the first-date field of the chosen rhythm
    QString weeks = QStringLiteral("0"); // DauerWoc

    MonthlyKind monthlyKind = MonthlyKind::DayOfMonth;
    QString dayOfMonth; // TagZahlMon
    int position = 0;   // the chosen MoPosOpt, 1-5; 0 = none chosen
    int weekday = 0;    // entry of WoTagCom, 0 = Monday ... 6 = Sunday

    std::array<YearlyRow, 4> yearlyRows{};
    QString daysInAdvance = QStringLiteral("0"); // VorherMon or VorherJah

    bool operator==(const NoteDraft&) const = default;
};

} // namespace qb
