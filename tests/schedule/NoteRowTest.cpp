#include "schedule/NoteRow.h"

#include "ScheduleTestSupport.h"

#include <gtest/gtest.h>

#include <QMap>

#include <cmath>
#include <limits>

namespace qb {
namespace {

using test::ymd;

// A row read from a map of column values; missing columns are NULL.
NoteRow readRow(const QMap<QString, QVariant>& columns)
{
    return NoteRow::fromColumns([&](const QString& column) { return columns.value(column); });
}

NoteRow readColumn(const QString& column, const QVariant& value)
{
    return readRow({{column, value}});
}

TEST(NoteRow, ReadsAStoredRow)
{
    const NoteRow row = readRow({
        {QStringLiteral("ID"), 17},
        {QStringLiteral("inhalt"), QStringLiteral("  Team meeting ")},
        {QStringLiteral("Rhythmus"), 3},
        {QStringLiteral("UhrVon"), 8 / 24.0},
        {QStringLiteral("UhrBis"), 17 / 24.0 + 30 / 1440.0},
        {QStringLiteral("StartDatum"), QStringLiteral("2026-12-04")},
        {QStringLiteral("Dauer"), QVariant()},
        {QStringLiteral("Vorher"), 2},
        {QStringLiteral("RhyDetails"), QStringLiteral("254")},
    });
    EXPECT_EQ(row.ID, 17);
    EXPECT_EQ(row.inhalt, QStringLiteral("  Team meeting ")) << "stored as typed";
    EXPECT_EQ(row.Rhythmus, 3);
    EXPECT_EQ(row.UhrVon, 8 / 24.0);
    EXPECT_EQ(row.StartDatum, ymd(2026, 12, 4));
    EXPECT_FALSE(row.Dauer.has_value());
    EXPECT_EQ(row.Vorher, 2);
    EXPECT_EQ(row.RhyDetails, QStringLiteral("254"));
}

TEST(NoteRow, IntegerColumns)
{
    struct Case
    {
        const char* name;
        QVariant value;
        std::optional<qint16> expected;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"integer", 4, 4},
        {"64-bit integer", QVariant::fromValue<qint64>(-2), -2},
        {"numeric text", QStringLiteral("3"), 3},
        {"whole-numbered double", 2.0, 2},
        {"fractional double", 2.5, std::nullopt},
        {"NULL", QVariant(), std::nullopt},
        {"typed NULL", QVariant(QMetaType::fromType<int>()), std::nullopt},
        {"text", QStringLiteral("weekly"), std::nullopt},
        {"text with a number in front", QStringLiteral("3x"), std::nullopt},
        {"empty text", QString(), std::nullopt},
        {"beyond 16 bits", 40000, std::nullopt},
        {"beyond 64 bits as text", QStringLiteral("99999999999999999999999"), std::nullopt},
        {"huge unsigned", QVariant::fromValue<quint64>(std::numeric_limits<quint64>::max()),
         std::nullopt},
        {"NaN", nan, std::nullopt},
        {"infinity", inf, std::nullopt},
        {"huge double", 1e300, std::nullopt},
        {"blob", QByteArray("2"), 2},
        {"a date is no number", QDate(2026, 1, 1), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readColumn(QStringLiteral("Rhythmus"), c.value).Rhythmus, c.expected);
        EXPECT_EQ(readColumn(QStringLiteral("Vorher"), c.value).Vorher, c.expected);
    }
}

TEST(NoteRow, TimeColumns)
{
    struct Case
    {
        const char* name;
        QVariant value;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"noon", 0.5, 0.5},
        {"midnight as integer", 0, 0.0},
        {"end of day", 1.0, 1.0},
        {"numeric text", QStringLiteral("0.25"), 0.25},
        {"negative", -0.5, std::nullopt},
        {"beyond one day", 1.5, std::nullopt},
        {"NaN", std::numeric_limits<double>::quiet_NaN(), std::nullopt},
        {"infinity", std::numeric_limits<double>::infinity(), std::nullopt},
        {"text", QStringLiteral("08:00"), std::nullopt},
        {"NULL", QVariant(), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readColumn(QStringLiteral("UhrBis"), c.value).UhrBis, c.expected);
    }
}

TEST(NoteRow, StartDatumColumn)
{
    struct Case
    {
        const char* name;
        QVariant value;
        std::optional<Days> expected;
    };
    const Case cases[] = {
        {"ISO text", QStringLiteral("2024-02-29"), ymd(2024, 2, 29)},
        {"date value", QDate(2026, 12, 4), ymd(2026, 12, 4)},
        {"date-time value", QDateTime(QDate(2026, 12, 4), QTime(13, 0)), ymd(2026, 12, 4)},
        {"day that does not exist", QStringLiteral("2025-02-29"), std::nullopt},
        {"with a time part", QStringLiteral("2026-12-04T00:00"), std::nullopt},
        {"German layout", QStringLiteral("04.12.2026"), std::nullopt},
        {"signs in the digits", QStringLiteral("2026-+1-04"), std::nullopt},
        {"empty", QString(), std::nullopt},
        {"number", 20261204, std::nullopt},
        {"date beyond year 9999", QDate(12000, 1, 1), std::nullopt},
        {"invalid date value", QDate(), std::nullopt},
        {"NULL", QVariant(), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readColumn(QStringLiteral("StartDatum"), c.value).StartDatum, c.expected);
    }
}

TEST(NoteRow, TextColumns)
{
    EXPECT_EQ(readColumn(QStringLiteral("RhyDetails"), 254).RhyDetails, QStringLiteral("254"))
        << "a number stored in the text column reads as its digits";
    EXPECT_EQ(readColumn(QStringLiteral("RhyDetails"), QString()).RhyDetails, QString())
        << "an empty text is a text";
    EXPECT_FALSE(readColumn(QStringLiteral("RhyDetails"), QVariant()).RhyDetails.has_value());
    EXPECT_EQ(readColumn(QStringLiteral("inhalt"), QVariant()).inhalt, QString());
}

} // namespace
} // namespace qb
