#pragma once

#include "schedule/Calendar.h"
#include "schedule/TimeOfDay.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

namespace qb {

// One row of the table Notizen as a value. Every column is read once, in fromColumns, into
// the type its meaning needs; a schedule column that is NULL or holds something that
// cannot be read as its type is empty (std::nullopt) here. The evaluation then treats a
// row that lacks one of the columns its Rhythmus needs as not due, so a damaged row stays
// out of the ticker instead of showing at the wrong time, and nothing stops the ticker.
class NoteRow
{
public:
    // Column names as stored.
    static inline const QString colID = QStringLiteral("ID");
    static inline const QString colInhalt = QStringLiteral("inhalt");
    static inline const QString colRhythmus = QStringLiteral("Rhythmus");
    static inline const QString colUhrVon = QStringLiteral("UhrVon");
    static inline const QString colUhrBis = QStringLiteral("UhrBis");
    static inline const QString colStartDatum = QStringLiteral("StartDatum");
    static inline const QString colDauer = QStringLiteral("Dauer");
    static inline const QString colVorher = QStringLiteral("Vorher");
    static inline const QString colRhyDetails = QStringLiteral("RhyDetails");

    std::optional<qint32> ID;
    QString inhalt;                 // NULL reads as an empty text
    std::optional<qint16> Rhythmus; // 0 permanent, 1 daily, 2 weekly, 3 monthly, 4 yearly
    std::optional<double> UhrVon;   // fraction of a day, finite and within 0..1
    std::optional<double> UhrBis;   // fraction of a day, finite and within 0..1
    std::optional<Days> StartDatum; // from 'YYYY-MM-DD' text (or a date value)
    std::optional<qint16> Dauer;    // weeks from StartDatum; 0 = no end
    std::optional<qint16> Vorher;   // days in advance
    std::optional<QString> RhyDetails;

    // Builds a row from a lookup of column values by name, as a record set offers it for
    // its current row. Never fails: accepted are
    // - integers (ID, Rhythmus, Dauer, Vorher): integer values, whole-numbered finite
    //   doubles and texts holding a decimal integer, within the column's range (32 or
    //   16 bits); anything else is empty;
    // - times (UhrVon, UhrBis): numbers or numeric texts that are finite and within 0..1;
    // - StartDatum: a text of exactly the form YYYY-MM-DD naming an existing date, or a
    //   date or date-time value, with a year from firstAcceptedYear to lastAcceptedYear;
    // - texts (inhalt, RhyDetails): any non-NULL value, converted to text.
    static NoteRow fromColumns(const std::function<QVariant(const QString& column)>& value);

    bool operator==(const NoteRow&) const = default;
};

} // namespace qb
