#include "ServerVersion.h"

#include <cmath>
#include <limits>

namespace qb {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

int ServerVersionLesen(const QByteArray& start)
{
    const QByteArray head = start.left(serverVersionBytes);
    qsizetype end = 0;
    while (end < head.size() && head[end] != '\r' && head[end] != '\n')
        ++end;
    if (end == head.size() && start.size() > serverVersionBytes)
        return 0;
    const QByteArray line = head.left(end);

    qsizetype at = 0;
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
        ++at;
    const qsizetype numberStart = at;
    if (at < line.size() && (line[at] == '+' || line[at] == '-'))
        ++at;
    qsizetype digits = 0;
    for (; at < line.size() && isDigit(line[at]); ++at)
        ++digits;
    if (at < line.size() && line[at] == '.')
        for (++at; at < line.size() && isDigit(line[at]); ++at)
            ++digits;
    if (digits == 0)
        return 0;

    bool ok = false;
    const double value = line.mid(numberStart, at - numberStart).toDouble(&ok);
    if (!ok)
        return 0;
    const double rounded = std::nearbyint(value);
    using Limits = std::numeric_limits<qint16>;
    if (rounded < Limits::min() || rounded > Limits::max())
        return 0;
    return static_cast<int>(rounded);
}

} // namespace qb
