#pragma once

#include "schedule/Calendar.h"
#include "schedule/NoteRow.h"

#include <QDate>
#include <QString>

#include <chrono>
#include <cstdio>
#include <optional>
#include <ostream>

// GoogleTest cannot print chrono days or Qt values by itself; these show ISO dates and text.
namespace std::chrono {
inline void PrintTo(const sys_days& day, std::ostream* out)
{
    const year_month_day date{day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    *out << text;
}
} // namespace std::chrono

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QDate& date, std::ostream* out)
{
    *out << (date.isValid() ? date.toString(Qt::ISODate).toStdString() : "invalid date");
}

namespace qb::test {

constexpr Days ymd(int year, unsigned month, unsigned day)
{
    return Days{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}};
}

constexpr int at(int hours, int minutes, int seconds = 0)
{
    return hours * 3600 + minutes * 60 + seconds;
}

// The stored fraction of hh:mm, as the editor writes it.
constexpr double uhr(int hours, int minutes)
{
    return hours / 24.0 + minutes / 1440.0;
}

inline NoteRow dailyRow(double von, double bis)
{
    NoteRow row;
    row.Rhythmus = 1;
    row.UhrVon = von;
    row.UhrBis = bis;
    return row;
}

inline NoteRow weeklyRow(Days start, qint16 dauer, const QString& details)
{
    NoteRow row = dailyRow(0, 0);
    row.Rhythmus = 2;
    row.StartDatum = start;
    row.Dauer = dauer;
    row.RhyDetails = details;
    return row;
}

// Monthly (3) or yearly (4).
inline NoteRow datedRow(qint16 rhythmus, Days start, qint16 vorher, const QString& details)
{
    NoteRow row = dailyRow(0, 0);
    row.Rhythmus = rhythmus;
    row.StartDatum = start;
    row.Vorher = vorher;
    row.RhyDetails = details;
    return row;
}

} // namespace qb::test
