#pragma once

#include "editor/NoteDraft.h"
#include "schedule/NoteRow.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <array>

namespace qb {

// Every control of the note editor as the window shows it: each rhythm's own first date and
// days in advance, the yearly rows with their month lists. The window renders a form and
// reads one back; what a save checks is the draft of the chosen rhythm (draft()).
struct NoteForm
{
    struct YearlyRow
    {
        QString day;    // TagZahlJahr(i)
        int month = -1; // entry of MonatJah(i): 0 = January ... 11 = December; -1 = none
        bool operator==(const YearlyRow&) const = default;
    };

    QString notiz;
    bool timeControl = false; // ZeitArtOpt(1)
    int rhythm = 1;           // the chosen RhythmusOpt, 1-4
    bool fromTo = false;      // UhrArtOpt(1)
    QString fromTime;         // Uhrzeit(1)
    QString toTime;           // Uhrzeit(2)

    std::array<bool, 7> weekdays{}; // WoTagChe(1)-(7)
    QString erstDatumWoc;
    QString dauerWoc = QStringLiteral("0");

    NoteDraft::MonthlyKind monthlyKind = NoteDraft::MonthlyKind::DayOfMonth; // MonArtOpt
    QString tagZahlMon;
    int position = 0; // the chosen MoPosOpt, 1-5; 0 = none
    int weekday = -1; // entry of WoTagCom, 0 = Monday ... 6 = Sunday; -1 = none
    QString vorherMon = QStringLiteral("0");
    QString erstDatumMon;

    std::array<YearlyRow, 4> yearlyRows{};
    QString vorherJah = QStringLiteral("0");
    QString erstDatumJah;

    // The entries a save checks: the first date and days in advance of the chosen rhythm.
    NoteDraft draft() const;
    // Takes back what the checks changed in the draft (a Yes may fill in a time or switch
    // to whole day).
    void takeTimes(const NoteDraft& draft);

    bool operator==(const NoteForm&) const = default;
};

// The editor's defaults from today's date: today's weekday ticked, today's date in the three
// first-date fields, today's day in TagZahlMon and the first yearly row, today's weekday and
// month selected, the numbers "0", the times empty; permanent, whole day, daily preselected.
NoteForm newNoteForm(QDate today, const QLocale& locale);

// An existing row over the defaults of today: its text, rhythm, time window and the stored
// groups of RhyDetails back in their controls. Columns that are empty or unreadable leave
// the defaults in place.
NoteForm storedNoteForm(const NoteRow& row, QDate today, const QLocale& locale);

} // namespace qb
