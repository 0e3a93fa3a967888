#include "schedule/DateText.h"

#include "schedule/Calendar.h"
#include "schedule/RhyDetails.h"

#include <QList>

namespace qb {

namespace {

bool onlyDigits(QStringView text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// A one- or two-digit year in the window 1930-2029; four digits as written.
std::optional<int> yearFromText(QStringView text)
{
    const int value = ZahlLesen(text);
    if (text.size() <= 2)
        return value < 30 ? 2000 + value : 1900 + value;
    if (text.size() == 4)
        return value;
    return std::nullopt;
}

} // namespace

QString LeerzeichenEntfernen(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin).toString();
}

QChar dateSeparator(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    for (QChar c : format) {
        if (!c.isLetter() && c != u'\'' && !c.isSpace())
            return c;
    }
    return u'.';
}

QString DatumFormatieren(QDate date, const QLocale& locale)
{
    const QChar separator = dateSeparator(locale);
    return QStringLiteral("%1%2%3%2%4")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(separator)
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

std::optional<QDate> DatumLesen(QStringView text, const QLocale& locale, QDate today)
{
    const QString trimmed = LeerzeichenEntfernen(text);
    const QChar separator = dateSeparator(locale);
    QList<QStringView> parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= trimmed.size(); ++i) {
        if (i == trimmed.size() || trimmed[i] == separator || trimmed[i] == u'.') {
            parts.append(QStringView(trimmed).mid(start, i - start));
            start = i + 1;
        }
    }
    if (parts.size() == 3 && parts[2].isEmpty())
        parts.removeLast();
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    for (QStringView part : parts) {
        if (part.isEmpty() || part.size() > 4 || !onlyDigits(part))
            return std::nullopt;
    }
    std::optional<int> year = today.year();
    if (parts.size() == 3)
        year = yearFromText(parts[2]);
    if (!year || !yearAccepted(*year))
        return std::nullopt;
    const QDate date(*year, ZahlLesen(parts[1]), ZahlLesen(parts[0]));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

bool DatumGueltig(QStringView text, const QLocale& locale, QDate today)
{
    const QString trimmed = LeerzeichenEntfernen(text);
    return trimmed.isEmpty() || DatumLesen(trimmed, locale, today).has_value();
}

void DatumNormieren(QString& text, const QLocale& locale, QDate today)
{
    if (LeerzeichenEntfernen(text).isEmpty()) {
        text = DatumFormatieren(today, locale);
        return;
    }
    if (text.endsWith(u'.'))
        text.chop(1);
    if (const std::optional<QDate> date = DatumLesen(text, locale, today))
        text = DatumFormatieren(*date, locale);
}

NormalisedTime ZeitNormieren(QStringView text)
{
    NormalisedTime result;
    if (text.count(u':') >= 2) {
        result.state = NormalisedTime::State::Invalid;
        return result;
    }
    if (text.isEmpty())
        return result;
    const qsizetype colon = text.indexOf(u':');
    const QStringView hoursText = colon < 0 ? text : text.first(colon);
    const QStringView minutesText = colon < 0 ? QStringView() : text.sliced(colon + 1);
    const int hours = ZahlLesen(hoursText);
    const int minutes = ZahlLesen(minutesText);
    if (!onlyDigits(hoursText) || !onlyDigits(minutesText) || hours > 23 || minutes > 59) {
        result.state = NormalisedTime::State::Invalid;
        return result;
    }
    result.state = NormalisedTime::State::Valid;
    result.minutes = hours * 60 + minutes;
    result.text = QStringLiteral("%1:%2")
                      .arg(hours, 2, 10, QLatin1Char('0'))
                      .arg(minutes, 2, 10, QLatin1Char('0'));
    return result;
}

} // namespace qb
