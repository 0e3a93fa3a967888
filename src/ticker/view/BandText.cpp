#include "BandText.h"

#include "core/LineBreaks.h"

#include <QTextBoundaryFinder>

namespace qb {

QString bandText(const QString& inhalt)
{
    QString shown;
    shown.reserve(std::min<qsizetype>(inhalt.size(), bandTextLimit + 1));
    qsizetype i = 0;
    for (; i < inhalt.size() && shown.size() <= bandTextLimit; ++i) {
        const QChar c = inhalt[i];
        if (isLineBreak(c.unicode()) || c == QLatin1Char('\t')) {
            // CR LF is one line break.
            if (c == QLatin1Char('\r') && i + 1 < inhalt.size() &&
                inhalt[i + 1] == QLatin1Char('\n'))
                ++i;
            shown += QLatin1Char(' ');
        } else if (c.category() != QChar::Other_Control) {
            shown += c;
        }
    }
    if (shown.size() <= bandTextLimit)
        return shown;

    // Cut at the last grapheme boundary that leaves room for the ellipsis.
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, shown);
    graphemes.setPosition(bandTextLimit);
    if (!graphemes.isAtBoundary())
        graphemes.toPreviousBoundary();
    shown.truncate(std::max<qsizetype>(0, graphemes.position()));
    return shown + QChar(0x2026);
}

} // namespace qb
