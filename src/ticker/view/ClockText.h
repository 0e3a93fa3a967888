#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace qb {

// The captions of DatumPan and UhrPan for a moment, by language (Sprache 1 English,
// 2 German, anything else empty). The locale gives the date and time separators.
class ClockText
{
public:
    // English "mm/dd/yy" always joined with "/"; German "dd.mm.yy" with the locale's
    // date separator.
    static QString date(const QDateTime& moment, qint16 sprache, const QLocale& locale);
    // English "h:mm:ss am" (12-hour clock, lower case); German "hh:mm:ss"; ":" is the
    // locale's time separator.
    static QString time(const QDateTime& moment, qint16 sprache, const QLocale& locale);

    // The first separator in the locale's short format; "." or ":" when it has none.
    static QChar dateSeparator(const QLocale& locale);
    static QChar timeSeparator(const QLocale& locale);
};

} // namespace qb
