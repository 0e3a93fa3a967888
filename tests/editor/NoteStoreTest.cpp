#include "editor/NoteStore.h"
#include "editor/NoteForm.h"
#include "editor/NoteValidation.h"
#include "support/OpenNotes.h"
#include "support/RawSql.h"
#include "support/TemplateCopy.h"

#include <QSqlDriver>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace qb {
namespace {

using test::OpenNotes;
using test::RawSql;
using test::TemplateCopy;

const QLocale german(QLocale::German, QLocale::Germany);
const QDate today(2026, 12, 4); // a Friday

NoteRow rowOf(RecordSet& notes)
{
    return NoteRow::fromColumns([&notes](const QString& column) { return notes.value(column); });
}

// The form of a stored row, as the editor loads it on `today`.
NoteForm loaded(RecordSet& notes)
{
    return storedNoteForm(rowOf(notes), today, german);
}

// Checks a form as the editor does (every question answered Yes) and stores it.
StoreResult save(RecordSet& notes, const NoteForm& form, std::optional<qint64> id = {})
{
    const NoteCheck check =
        NotizPruefen(form.draft(), german, today, [](EditorQuestion) { return true; });
    EXPECT_EQ(check.result, NoteCheck::Result::Passed);
    return NotizSpeichern(notes, id, form.notiz, check.schedule);
}

NoteForm timed(int rhythm, const std::function<void(NoteForm&)>& adjust)
{
    NoteForm form = newNoteForm(today, german);
    form.notiz = QStringLiteral("  Meeting  ");
    form.timeControl = rhythm != 0;
    form.rhythm = rhythm == 0 ? 1 : rhythm;
    adjust(form);
    return form;
}

// A new note starts from today, Friday 4 December 2026.
TEST(NoteForm, NewNoteDefaultsFromToday)
{
    const NoteForm form = newNoteForm(today, german);
    EXPECT_EQ(form.weekdays, (std::array<bool, 7>{false, false, false, false, true}));
    for (const QString& date : {form.erstDatumWoc, form.erstDatumMon, form.erstDatumJah})
        EXPECT_EQ(date, QStringLiteral("04.12.2026"));
    EXPECT_EQ(form.tagZahlMon, QStringLiteral("4"));
    EXPECT_EQ(form.yearlyRows[0], (NoteForm::YearlyRow{QStringLiteral("4"), 11}));
    EXPECT_EQ(form.yearlyRows[1], (NoteForm::YearlyRow{}));
    EXPECT_EQ(form.weekday, 4);
    EXPECT_FALSE(form.timeControl || form.fromTo);
    EXPECT_EQ(form.rhythm, 1);
}

// Every rhythm stored by the editor comes back into the same controls, and a stored row
// written by older programs fills the controls its groups name.
TEST(NoteForm, StoredRowsComeBackIntoTheirControls)
{
    const struct
    {
        const char* name;
        NoteForm form;
    } cases[] = {
        {"permanent", timed(0, [](NoteForm&) {})},
        {"daily 08:00-09:00", timed(1,
                                    [](NoteForm& f) {
                                        f.fromTo = true;
                                        f.fromTime = QStringLiteral("08:00");
                                        f.toTime = QStringLiteral("09:00");
                                    })},
        {"weekly on Monday and Wednesday for 6 weeks, today not among them",
         timed(2,
               [](NoteForm& f) {
                   f.weekdays = {true, false, true, false, false, false, false};
                   f.erstDatumWoc = QStringLiteral("07.12.2026");
                   f.dauerWoc = QStringLiteral("6");
               })},
        {"monthly on the 31st, 3 days ahead", timed(3,
                                                    [](NoteForm& f) {
                                                        f.tagZahlMon = QStringLiteral("31");
                                                        f.vorherMon = QStringLiteral("3");
                                                        f.erstDatumMon =
                                                            QStringLiteral("01.01.2027");
                                                    })},
        {"monthly on the last Friday", timed(3,
                                             [](NoteForm& f) {
                                                 f.monthlyKind = NoteDraft::MonthlyKind::NthWeekday;
                                                 f.position = 5;
                                                 f.weekday = 4;
                                             })},
        {"yearly on two dates", timed(4,
                                      [](NoteForm& f) {
                                          f.yearlyRows[0] = {QStringLiteral("05"), 0};
                                          f.yearlyRows[1] = {QStringLiteral("24"), 11};
                                      })},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TemplateCopy file;
        OpenNotes open(file.path());
        ASSERT_TRUE(open.opened);
        const StoreResult stored = save(open.notes, c.form);
        ASSERT_EQ(stored.status, StoreResult::Status::Stored)
            << stored.failure.detail.toStdString();
        ASSERT_TRUE(open.notes.findLast(QStringLiteral("ID = %1").arg(stored.id)));
        EXPECT_EQ(loaded(open.notes), c.form);
    }
}

// Rows the editor never writes itself: yearly groups with a one-digit day as typed, a
// position beyond "last", columns that are missing.
TEST(NoteForm, OddStoredGroups)
{
    TemplateCopy file;
    OpenNotes open(file.path());
    RawSql raw(file.path());
    ASSERT_EQ(raw.exec(QStringLiteral(
                  "INSERT INTO Notizen (ID, inhalt, Rhythmus, UhrVon, UhrBis, RhyDetails) VALUES "
                  "(1, 'y', 4, 0.25, 0, '0703121102'), (2, 'm', 3, 0, 0, '279'),"
                  "(3, 'w', 2, NULL, NULL, NULL)")),
              QString());
    const NoteForm defaults = newNoteForm(today, german);

    ASSERT_TRUE(open.notes.findLast(QStringLiteral("ID = 1")));
    NoteForm yearly = loaded(open.notes);
    EXPECT_TRUE(yearly.fromTo) << "UhrVon + UhrBis above 0 is a window";
    EXPECT_EQ(yearly.fromTime, QStringLiteral("06:00"));
    EXPECT_EQ(yearly.toTime, QStringLiteral("00:00"));
    EXPECT_EQ(yearly.yearlyRows[0], (NoteForm::YearlyRow{QStringLiteral("07"), 2}));
    EXPECT_EQ(yearly.yearlyRows[1], (NoteForm::YearlyRow{QStringLiteral("12"), 10}));
    EXPECT_EQ(yearly.yearlyRows[2], (NoteForm::YearlyRow{}));
    EXPECT_EQ(yearly.erstDatumJah, defaults.erstDatumJah) << "no StartDatum: today stays";

    ASSERT_TRUE(open.notes.findLast(QStringLiteral("ID = 2")));
    const NoteForm monthly = loaded(open.notes);
    EXPECT_EQ(monthly.monthlyKind, NoteDraft::MonthlyKind::NthWeekday);
    EXPECT_EQ(monthly.position, 5);
    EXPECT_EQ(monthly.weekday, 4) << "weekday 9 is no day: today's stays selected";

    ASSERT_TRUE(open.notes.findLast(QStringLiteral("ID = 3")));
    const NoteForm weekly = loaded(open.notes);
    EXPECT_EQ(weekly.weekdays, (std::array<bool, 7>{})) << "no groups: no weekday";
    EXPECT_FALSE(weekly.fromTo);
    EXPECT_EQ(weekly.dauerWoc, QStringLiteral("0"));
}

// Changing a weekly note to permanent writes Rhythmus and the text only: the schedule
// columns stay for a later change back.
TEST(NoteStore, EditKeepsColumnsItDoesNotWrite)
{
    TemplateCopy file;
    OpenNotes open(file.path());
    RecordSet& notes = open.notes;
    NoteForm weekly = timed(2, [](NoteForm& f) { f.dauerWoc = QStringLiteral("6"); });
    const StoreResult first = save(notes, weekly);
    ASSERT_EQ(first.status, StoreResult::Status::Stored);

    weekly.timeControl = false;
    // A pasted line break is stored as a blank: the note is one line.
    weekly.notiz = QStringLiteral("now\r\npermanent");
    ASSERT_EQ(save(notes, weekly, first.id).status, StoreResult::Status::Stored);
    RawSql raw(file.path());
    EXPECT_EQ(raw.scalar(QStringLiteral("SELECT count(*) FROM Notizen")).toInt(), 1);
    EXPECT_EQ(raw.scalar(QStringLiteral("SELECT inhalt || '|' || Rhythmus || '|' || StartDatum "
                                        "|| '|' || Dauer || '|' || RhyDetails FROM Notizen"))
                  .toString(),
              QStringLiteral("now permanent|0|2026-12-04|6| 0 0 0 0-1 0 0"));
}

// A save that cannot be stored says why and writes nothing; the same save goes through
// once the lock is gone. A note deleted meanwhile is neither recreated nor another row.
TEST(NoteStore, FailuresWriteNothing)
{
    TemplateCopy file;
    OpenNotes open(file.path(), OpenMode::ReadWrite, RecordSet::defaultPageSize, 0);
    RecordSet& notes = open.notes;
    const NoteForm form = timed(1, [](NoteForm&) {});
    ASSERT_TRUE(open.add({"other"}));

    RawSql locker(file.path());
    ASSERT_EQ(locker.exec(QStringLiteral("BEGIN EXCLUSIVE")), QString());
    const StoreResult locked = save(notes, form);
    EXPECT_EQ(locked.status, StoreResult::Status::Failed);
    EXPECT_EQ(locked.failure.cause, StorageCause::Locked);
    locker.exec(QStringLiteral("ROLLBACK"));
    EXPECT_EQ(save(notes, form).status, StoreResult::Status::Stored);

    const StoreResult gone = save(notes, form, 99);
    EXPECT_EQ(gone.status, StoreResult::Status::NotFound);
    EXPECT_EQ(RawSql(file.path()).scalar(QStringLiteral("SELECT count(*) FROM Notizen")).toInt(),
              2);
}

// Deletes every note through another connection when the connection it watches prepares
// an UPDATE of Notizen: the row an edit found is gone when the edit is written.
int deleteOnUpdate(void* other, int action, const char* table, const char*, const char*,
                   const char*)
{
    auto*& raw = *static_cast<RawSql**>(other);
    if (raw && action == SQLITE_UPDATE && qstrcmp(table, "Notizen") == 0) {
        EXPECT_EQ(raw->exec(QStringLiteral("DELETE FROM Notizen")), QString());
        raw = nullptr;
    }
    return SQLITE_OK;
}

// An edit whose write fails says why; only a row that is gone is "not found". Regression:
// the two were told apart by a comparison no test turned around.
TEST(NoteStore, FailedEditIsNotNotFound)
{
    TemplateCopy file;
    OpenNotes open(file.path(), OpenMode::ReadWrite, RecordSet::defaultPageSize, 0);
    const NoteForm form = timed(1, [](NoteForm&) {});
    ASSERT_TRUE(open.add({"kept"}));
    const qint64 id = open.notes.lastAdded();
    RawSql other(file.path());

    ASSERT_EQ(other.exec(QStringLiteral("BEGIN IMMEDIATE")), QString());
    const StoreResult locked = save(open.notes, form, id);
    EXPECT_EQ(locked.status, StoreResult::Status::Failed);
    EXPECT_EQ(locked.failure.cause, StorageCause::Locked);
    ASSERT_EQ(other.exec(QStringLiteral("ROLLBACK")), QString());
    EXPECT_EQ(other.scalar(QStringLiteral("SELECT inhalt FROM Notizen")).toString(), "kept");

    sqlite3* handle =
        *static_cast<sqlite3* const*>(open.db.connection().driver()->handle().constData());
    RawSql* deleter = &other;
    sqlite3_set_authorizer(handle, deleteOnUpdate, &deleter);
    const StoreResult vanished = save(open.notes, form, id);
    sqlite3_set_authorizer(handle, nullptr, nullptr);
    EXPECT_EQ(deleter, nullptr) << "the row was never deleted underneath";
    EXPECT_EQ(vanished.status, StoreResult::Status::NotFound);
    EXPECT_EQ(other.scalar(QStringLiteral("SELECT count(*) FROM Notizen")).toInt(), 0);
}

} // namespace
} // namespace qb
