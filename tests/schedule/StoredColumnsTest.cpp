#include "schedule/NoteRow.h"
#include "schedule/ScheduleDraft.h"

#include "ScheduleTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

namespace qb {
namespace {

// A row read from one column value, the other columns NULL: the value is read into its
// field or refused.
TEST(StoredColumns, ReadingTolerantly)
{
    using test::ymd;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        const char *name, *column;
        QVariant value;
        NoteRow read;
    } cases[] = {
        {"integer", "Rhythmus", 4, {.Rhythmus = 4}},
        {"numeric text", "Dauer", "3", {.Dauer = 3}},
        {"whole-numbered double", "Vorher", 2.0, {.Vorher = 2}},
        {"fractional double", "Vorher", 2.5, {}},
        {"text with a number in front", "Rhythmus", "3x", {}},
        {"beyond 16 bits", "Vorher", 40000, {}},
        {"ID holds 32 bits", "ID", 40000, {.ID = 40000}},
        {"a blob holding digits", "Rhythmus", QByteArray("2"), {.Rhythmus = 2}},
        {"time as a fraction", "UhrVon", 0.5, {.UhrVon = 0.5}},
        {"time as numeric text", "UhrBis", "0.25", {.UhrBis = 0.25}},
        {"time below 0", "UhrVon", -0.5, {}},
        {"time beyond 1", "UhrBis", 1.5, {}},
        {"time not a number", "UhrVon", nan, {}},
        {"ISO date text", "StartDatum", "2024-02-29", {.StartDatum = ymd(2024, 2, 29)}},
        {"date-time value",
         "StartDatum",
         QDateTime(QDate(2026, 12, 4), QTime(13, 0)),
         {.StartDatum = ymd(2026, 12, 4)}},
        {"day that does not exist", "StartDatum", "2025-02-29", {}},
        {"date with a time part", "StartDatum", "2026-12-04T00:00", {}},
        {"date with signs in the digits", "StartDatum", "2026-+1-04", {}},
        {"date beyond year 9999", "StartDatum", QDate(12000, 1, 1), {}},
        {"the editor's last year", "StartDatum", "9999-12-31", {.StartDatum = ymd(9999, 12, 31)}},
        {"before the editor's first year", "StartDatum", "1899-12-31", {}},
        {"a number in a text column", "RhyDetails", 254, {.RhyDetails = "254"}},
        {"note text as typed", "inhalt", " Team ", {.inhalt = " Team "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(NoteRow::fromColumns([&](const QString& column) {
                        return column == QLatin1String(c.column) ? c.value : QVariant();
                    }) == c.read);
    }
}

// The editor never writes these values; the columns stay readable anyway.
TEST(StoredColumns, WritingWhatTheEditorRefuses)
{
    const NoteColumns daily = scheduleColumns({.rhythm = 1, .wholeDay = false, .toMinutes = 720});
    EXPECT_EQ(daily, (NoteColumns{{"Rhythmus", 1}, {"UhrVon", 0.0}, {"UhrBis", 0.5}}));
    const NoteColumns odd = scheduleColumns({.rhythm = 4,
                                             .firstDate = QDate(10000, 1, 1),
                                             .yearlyRows = {{{100, 1}}},
                                             .daysInAdvance = 100000});
    EXPECT_TRUE(odd.value("StartDatum").isNull()) << "beyond year 9999";
    EXPECT_EQ(odd.value("RhyDetails"), "9901") << "the day clamped to keep the group's width";
    EXPECT_EQ(odd.value("Vorher"), 32767) << "clamped, not wrapped round";
}

} // namespace
} // namespace qb
