#include "TextRoutines.h"

namespace qb {

int LetztePosition(const QString& text, const QString& pattern)
{
    if (text.isEmpty() || pattern.isEmpty())
        return 0;
    const qsizetype found = text.lastIndexOf(pattern);
    return found < 0 ? 0 : static_cast<int>(text.size() - found);
}

QString Abschneiden(QString& text, int count, int side)
{
    if (text.isEmpty() || count < 0 || count > text.size() || (side != 1 && side != 2))
        return {};
    QString piece;
    if (side == 1) {
        piece = text.left(count);
        text.remove(0, count);
    } else {
        piece = text.right(count);
        text.chop(count);
    }
    return piece;
}

void ZeichenErsetzen(QString& text, const QString& insert, int position, int count)
{
    if (position < 1 || position > text.size() || count < 0)
        return;
    text.replace(position - 1, qMin<qsizetype>(count, text.size() - position + 1), insert);
}

void ZeilenVerbinden(QString& text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
}

} // namespace qb
