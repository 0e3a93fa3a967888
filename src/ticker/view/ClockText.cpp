#include "ClockText.h"

namespace qb {

namespace {

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value % 100, 2, 10, QLatin1Char('0'));
}

// The first punctuation or symbol outside quoted literal text of a format.
QChar firstSeparator(const QString& format, QChar fallback)
{
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        if (!quoted && (c.isPunct() || c.isSymbol()))
            return c;
    }
    return fallback;
}

} // namespace

QChar ClockText::dateSeparator(const QLocale& locale)
{
    return firstSeparator(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('.'));
}

QChar ClockText::timeSeparator(const QLocale& locale)
{
    return firstSeparator(locale.timeFormat(QLocale::ShortFormat), QLatin1Char(':'));
}

QString ClockText::date(const QDateTime& moment, qint16 sprache, const QLocale& locale)
{
    const QDate day = moment.date();
    if (sprache == 1) {
        const QChar slash = QLatin1Char('/');
        return twoDigits(day.month()) + slash + twoDigits(day.day()) + slash +
               twoDigits(day.year());
    }
    if (sprache == 2) {
        const QChar separator = dateSeparator(locale);
        return twoDigits(day.day()) + separator + twoDigits(day.month()) + separator +
               twoDigits(day.year());
    }
    return {};
}

QString ClockText::time(const QDateTime& moment, qint16 sprache, const QLocale& locale)
{
    const QTime clock = moment.time();
    const QChar separator = timeSeparator(locale);
    if (sprache == 1) {
        const int hour12 = clock.hour() % 12 == 0 ? 12 : clock.hour() % 12;
        return QString::number(hour12) + separator + twoDigits(clock.minute()) + separator +
               twoDigits(clock.second()) +
               (clock.hour() < 12 ? QStringLiteral(" am") : QStringLiteral(" pm"));
    }
    if (sprache == 2) {
        return twoDigits(clock.hour()) + separator + twoDigits(clock.minute()) + separator +
               twoDigits(clock.second());
    }
    return {};
}

} // namespace qb
