#include "admin/ListLine.h"

#include <algorithm>

namespace qb {

namespace {

// The length of a start of text that ends on a whole character.
qsizetype wholeCharacters(const QString& text, qsizetype length)
{
    if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate() &&
        text.at(length).isLowSurrogate())
        return length - 1;
    return length;
}

bool fits(const QString& text, qsizetype length, int limit, const TextWidth& width)
{
    return width(QStringView(text).left(length)) <= limit;
}

} // namespace

// 1. Grow a fitting length by doubling until a length does not fit; the whole text is
//    measured only when all shorter starts fit.
// 2. Halve the interval between the last fitting and the first failing length.
QString elideToWidth(const QString& text, int limit, const TextWidth& width)
{
    qsizetype good = 0;
    qsizetype bad = 0;
    for (qsizetype probe = 16;; probe *= 2) {
        const qsizetype length = wholeCharacters(text, std::min(probe, text.size()));
        if (!fits(text, length, limit, width)) {
            bad = length;
            break;
        }
        if (length == text.size())
            return text;
        good = length;
    }
    while (bad - good > 1) {
        const qsizetype middle = good + (bad - good) / 2;
        if (fits(text, wholeCharacters(text, middle), limit, width))
            good = middle;
        else
            bad = middle;
    }
    return text.left(wholeCharacters(text, good));
}

QString listLine(const QString& inhalt, qint64 id, int limit, const TextWidth& width)
{
    QString line = elideToWidth(inhalt, limit, width);
    if (line.size() < inhalt.size())
        line += QStringLiteral("...");
    return line + QString(10, QLatin1Char('\t')) + QString::number(id);
}

std::optional<qint64> idFromLine(QStringView line)
{
    const qsizetype tab = line.lastIndexOf(QLatin1Char('\t'));
    bool ok = false;
    const qint64 id = line.mid(tab + 1).toLongLong(&ok);
    if (tab < 0 || !ok)
        return std::nullopt;
    return id;
}

} // namespace qb
