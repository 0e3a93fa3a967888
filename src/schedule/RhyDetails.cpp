#include "schedule/RhyDetails.h"

#include <algorithm>
#include <limits>

namespace qb {

namespace {

// The piece of `count` characters from `start`, shortened where the text ends.
QStringView piece(QStringView text, qsizetype start, qsizetype count)
{
    if (start >= text.size())
        return {};
    return text.mid(start, count);
}

// The rest of the text from `start` on.
QStringView restFrom(QStringView text, qsizetype start)
{
    if (start >= text.size())
        return {};
    return text.mid(start);
}

} // namespace

int ZahlLesen(QStringView text)
{
    constexpr qint64 limit = std::numeric_limits<int>::max();
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && text[i] == u'-') {
        negative = true;
        ++i;
    }
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            break;
        // Saturate: once past the limit, further digits change nothing.
        if (value < limit)
            value = std::min(limit, value * 10 + (c - u'0'));
    }
    return static_cast<int>(negative ? -value : value);
}

WeeklyDetails weeklyDetails(QStringView rhyDetails)
{
    WeeklyDetails result;
    for (qsizetype day = 0; day < 7; ++day)
        result.chosen[day] = ZahlLesen(piece(rhyDetails, day * 2, 2)) != 0;
    return result;
}

MonthlyDetails monthlyDetails(QStringView rhyDetails)
{
    MonthlyDetails result;
    if (ZahlLesen(piece(rhyDetails, 0, 1)) == 1) {
        result.kind = MonthlyDetails::Kind::DayOfMonth;
        result.day = ZahlLesen(restFrom(rhyDetails, 1));
    } else {
        result.kind = MonthlyDetails::Kind::NthWeekday;
        result.position = ZahlLesen(piece(rhyDetails, 1, 1));
        result.weekday = ZahlLesen(restFrom(rhyDetails, 2));
    }
    return result;
}

YearlyGroup yearlyGroupAt(QStringView rhyDetails, qsizetype index)
{
    return {ZahlLesen(piece(rhyDetails, index * 4, 2)),
            ZahlLesen(piece(rhyDetails, index * 4 + 2, 2))};
}

YearlyDetails yearlyDetails(QStringView rhyDetails)
{
    YearlyDetails result;
    const qsizetype count = yearlyGroupCount(rhyDetails);
    for (qsizetype i = 0; i < count; ++i)
        result.groups.append(yearlyGroupAt(rhyDetails, i));
    return result;
}

} // namespace qb
