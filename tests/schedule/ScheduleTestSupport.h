#pragma once

#include "schedule/Calendar.h"
#include "schedule/NoteRow.h"

#include <QString>

#include <ostream>

// GoogleTest cannot print chrono days or Qt text by itself; these show ISO dates and text.
namespace std::chrono {
inline void PrintTo(const sys_days& day, std::ostream* out)
{
    *out << qb::toQDate(day).toString(Qt::ISODate).toStdString();
}
} // namespace std::chrono

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace qb::test {

constexpr Days ymd(int year, unsigned month, unsigned day)
{
    return Days{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}};
}

// A whole-day row starting on Wednesday 1 January 2020 as the editor stores it;
// `weeksOrDays` is Dauer for a weekly row and Vorher for the others.
inline NoteRow note(qint16 rhythmus, const QString& details = {}, qint16 weeksOrDays = 0,
                    Days start = ymd(2020, 1, 1))
{
    NoteRow row{.Rhythmus = rhythmus, .UhrVon = 0.0, .UhrBis = 0.0, .StartDatum = start};
    (rhythmus == 2 ? row.Dauer : row.Vorher) = weeksOrDays;
    row.RhyDetails = details;
    return row;
}

} // namespace qb::test
