#include "ClockFont.h"

#include "ticker/view/ClockText.h"

#include <QDateTime>
#include <QFontMetricsF>

namespace qb {

namespace {

constexpr qreal smallestPointSize = 1.0;
constexpr qreal pointStep = 0.5;

QChar widestDigit(const QFontMetricsF& metrics)
{
    QChar widest = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(digit);
    }
    return widest;
}

QStringList widest(const QFont& font, const QStringList& samples)
{
    const QChar digit = widestDigit(QFontMetricsF(font));
    QStringList texts;
    for (QString text : samples) {
        for (QChar& c : text) {
            if (c.isDigit())
                c = digit;
        }
        texts << text;
    }
    return texts;
}

bool fits(const QFont& font, const QStringList& texts, QSize contents)
{
    const QFontMetricsF metrics(font);
    if (metrics.height() > contents.height())
        return false;
    for (const QString& text : texts) {
        if (metrics.horizontalAdvance(text) > contents.width())
            return false;
    }
    return true;
}

} // namespace

QStringList ClockFont::widestDates(const QFont& font, const QLocale& locale)
{
    const QDateTime day(QDate(2026, 12, 28), QTime(0, 0));
    return widest(font, {ClockText::date(day, 1, locale), ClockText::date(day, 2, locale)});
}

QStringList ClockFont::widestTimes(const QFont& font, const QLocale& locale)
{
    const QDate day(2026, 12, 28);
    QStringList samples;
    for (const QTime time : {QTime(0, 0), QTime(12, 0), QTime(23, 59, 59)}) {
        for (const qint16 sprache : {1, 2})
            samples << ClockText::time(QDateTime(day, time), sprache, locale);
    }
    return widest(font, samples);
}

QFont ClockFont::fitting(const QFont& windowFont, const QLocale& locale, QSize datumContents,
                         QSize uhrContents)
{
    QFont font(windowFont.family());
    font.setBold(windowFont.bold());
    for (qreal size = windowFont.pointSizeF(); size > smallestPointSize; size -= pointStep) {
        font.setPointSizeF(size);
        if (fits(font, widestDates(font, locale), datumContents) &&
            fits(font, widestTimes(font, locale), uhrContents))
            return font;
    }
    font.setPointSizeF(smallestPointSize);
    return font;
}

} // namespace qb
