#include "ticker/NoteWalk.h"
#include "core/Database.h"
#include "core/PasswordGuard.h"
#include "core/RecordSet.h"
#include "support/RawSql.h"
#include "support/TemplateCopy.h"

#include <gtest/gtest.h>

using namespace qb;
using qb::test::RawSql;
using qb::test::TemplateCopy;

namespace {

// A record set whose moves fail once at a chosen point, as a network read does.
class FlakyNotes
{
public:
    FlakyNotes(RecordSet& notes, int failFirstAt, int failNextAt)
        : m_notes(notes), m_failFirstAt(failFirstAt), m_failNextAt(failNextAt)
    {
    }
    bool first() { return ++m_firsts == m_failFirstAt ? false : m_notes.first(); }
    bool next() { return ++m_nexts == m_failNextAt ? false : m_notes.next(); }
    bool atEnd() const { return m_notes.atEnd(); }
    QString bookmark() const { return m_notes.bookmark(); }
    bool setBookmark(const QString& mark) { return m_notes.setBookmark(mark); }
    QVariant value(const QString& column) const { return m_notes.value(column); }

private:
    RecordSet& m_notes;
    int m_failFirstAt;
    int m_failNextAt;
    int m_firsts = 0;
    int m_nexts = 0;
};

QStringList textsOf(const TickerAssembly& assembly)
{
    QStringList texts;
    for (const TickerEntry& entry : assembly.Eintraege)
        texts << entry.text;
    return texts;
}

} // namespace

// A read error anywhere in the walk is recovered once: the walk reopens,
// returns to the bookmark and goes on with neither a lost nor a doubled note;
// a second error, or a failed recovery, ends the walk.
TEST(NoteWalk, ReadErrorsAreRecoveredOnce)
{
    TemplateCopy file;
    RawSql raw(file.path());
    for (const char* text : {"a", "b", "c", "d", "e"})
        raw.exec(QStringLiteral("INSERT INTO Notizen (inhalt, Rhythmus) VALUES (?, 0)"),
                 {QString::fromLatin1(text)});
    Database db;
    ASSERT_TRUE(db.open(file.path(), PasswordGuard::connectString, OpenMode::ReadOnly));
    RecordSet notes(db, QStringLiteral("Notizen"), 2);
    ASSERT_TRUE(notes.open());

    struct Case
    {
        const char* name;
        int failFirstAt;
        int failNextAt;
        bool recoverable;
        bool complete;
        QStringList texts;
    };
    const QStringList all{"a", "b", "c", "d", "e"};
    const Case cases[] = {
        {"no error", 0, 0, true, true, all},
        {"error at the start", 1, 0, true, true, all},
        {"error in the middle", 0, 2, true, true, all},
        {"error at the page boundary", 0, 3, true, true, all},
        {"error before the end", 0, 5, true, true, all},
        {"recovery fails", 0, 2, false, false, {"a", "b"}},
        {"second error ends the walk", 1, 3, true, false, {"a", "b", "c"}},
    };
    const QDateTime now(QDate(2026, 12, 4), QTime(12, 0));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FlakyNotes flaky(notes, c.failFirstAt, c.failNextAt);
        TickerAssembly assembly;
        QString mark;
        int recoveries = 0;
        const bool complete = walkNotes(flaky, TickerSource::Broadcast, now, assembly, mark, [&] {
            ++recoveries;
            return c.recoverable &&
                   db.open(file.path(), PasswordGuard::connectString, OpenMode::ReadOnly);
        });
        EXPECT_EQ(complete, c.complete);
        EXPECT_EQ(textsOf(assembly), c.texts);
        EXPECT_LE(recoveries, 1);
    }
}

// Rhythmus 0 or below is always shown; a Rhythmus that cannot be read is not.
TEST(NoteWalk, RowsWithoutSchedule)
{
    const QDateTime now(QDate(2026, 12, 4), QTime(12, 0));
    struct Case
    {
        const char* name;
        QVariant rhythmus;
        bool shown;
    };
    const Case cases[] = {
        {"permanent", 0, true},
        {"negative counts as permanent", -3, true},
        {"null", QVariant(), false},
        {"garbage text", QStringLiteral("weekly"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const NoteRow row = NoteRow::fromColumns([&](const QString& column) {
            return column == QStringLiteral("Rhythmus") ? c.rhythmus : QVariant();
        });
        EXPECT_EQ(shownInTicker(row, now), c.shown);
    }
}
