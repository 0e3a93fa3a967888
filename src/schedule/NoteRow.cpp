#include "schedule/NoteRow.h"

#include <QDateTime>

#include <chrono>
#include <cmath>
#include <limits>

namespace qb {

namespace {

bool isIntegerType(int typeId)
{
    switch (typeId) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool isFloatType(int typeId)
{
    return typeId == QMetaType::Double || typeId == QMetaType::Float;
}

bool isTextType(int typeId)
{
    return typeId == QMetaType::QString || typeId == QMetaType::QByteArray;
}

// A whole number within [low, high], or nothing.
std::optional<qint64> readInteger(const QVariant& value, qint64 low, qint64 high)
{
    if (value.isNull())
        return std::nullopt;
    const int typeId = value.typeId();
    std::optional<qint64> number;
    if (isIntegerType(typeId)) {
        if (typeId == QMetaType::ULongLong || typeId == QMetaType::ULong) {
            const qulonglong unsignedValue = value.toULongLong();
            if (unsignedValue <= static_cast<qulonglong>(std::numeric_limits<qint64>::max()))
                number = static_cast<qint64>(unsignedValue);
        } else {
            number = value.toLongLong();
        }
    } else if (isFloatType(typeId)) {
        const double d = value.toDouble();
        // The range test comes first so that the conversion below is defined.
        if (std::isfinite(d) && d >= static_cast<double>(low) && d <= static_cast<double>(high) &&
            d == std::trunc(d))
            number = static_cast<qint64>(d);
    } else if (isTextType(typeId)) {
        bool ok = false;
        const qint64 parsed = value.toString().toLongLong(&ok, 10);
        if (ok)
            number = parsed;
    }
    if (!number || *number < low || *number > high)
        return std::nullopt;
    return number;
}

// A fraction of a day: finite and within 0..1.
std::optional<double> readTime(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    const int typeId = value.typeId();
    double d = 0;
    if (isIntegerType(typeId) || isFloatType(typeId)) {
        d = value.toDouble();
    } else if (isTextType(typeId)) {
        bool ok = false;
        d = value.toString().toDouble(&ok);
        if (!ok)
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    if (!std::isfinite(d) || d < 0.0 || d > 1.0)
        return std::nullopt;
    return d;
}

// The value of `count` decimal digits from `start`; -1 when one of them is not a digit.
int digitsValue(QStringView text, qsizetype start, qsizetype count)
{
    int value = 0;
    for (qsizetype i = start; i < start + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

std::optional<Days> fromQDate(QDate date)
{
    if (!date.isValid() || !yearAccepted(date.year()))
        return std::nullopt;
    return toSysDays(date);
}

// 'YYYY-MM-DD' exactly, or a date value. The text is read in place: this runs for every
// row of every rebuild.
std::optional<Days> readDate(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    const int typeId = value.typeId();
    if (typeId == QMetaType::QDate)
        return fromQDate(value.toDate());
    if (typeId == QMetaType::QDateTime)
        return fromQDate(value.toDateTime().date());
    if (!isTextType(typeId))
        return std::nullopt;
    const QString converted = typeId == QMetaType::QString ? QString() : value.toString();
    const QStringView text = typeId == QMetaType::QString
                                 ? QStringView(*static_cast<const QString*>(value.constData()))
                                 : QStringView(converted);
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return std::nullopt;
    const int year = digitsValue(text, 0, 4);
    const int month = digitsValue(text, 5, 2);
    const int day = digitsValue(text, 8, 2);
    if (!yearAccepted(year) || month < 0 || day < 0)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{year},
                                           std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok())
        return std::nullopt;
    return Days{date};
}

std::optional<QString> readText(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    if (value.typeId() == QMetaType::QString)
        return *static_cast<const QString*>(value.constData());
    if (!value.canConvert<QString>())
        return std::nullopt;
    return value.toString();
}

} // namespace

NoteRow NoteRow::fromColumns(const std::function<QVariant(const QString& column)>& value)
{
    constexpr qint64 min16 = std::numeric_limits<qint16>::min();
    constexpr qint64 max16 = std::numeric_limits<qint16>::max();
    constexpr qint64 min32 = std::numeric_limits<qint32>::min();
    constexpr qint64 max32 = std::numeric_limits<qint32>::max();

    NoteRow row;
    if (const auto id = readInteger(value(colID), min32, max32))
        row.ID = static_cast<qint32>(*id);
    row.inhalt = readText(value(colInhalt)).value_or(QString());
    if (const auto rhythmus = readInteger(value(colRhythmus), min16, max16))
        row.Rhythmus = static_cast<qint16>(*rhythmus);
    row.UhrVon = readTime(value(colUhrVon));
    row.UhrBis = readTime(value(colUhrBis));
    row.StartDatum = readDate(value(colStartDatum));
    if (const auto dauer = readInteger(value(colDauer), min16, max16))
        row.Dauer = static_cast<qint16>(*dauer);
    if (const auto vorher = readInteger(value(colVorher), min16, max16))
        row.Vorher = static_cast<qint16>(*vorher);
    row.RhyDetails = readText(value(colRhyDetails));
    return row;
}

} // namespace qb
