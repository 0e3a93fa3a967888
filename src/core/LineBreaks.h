#pragma once

#include <QString>

namespace qb {

// A note is one line. These characters end a line in some writing system or file format:
// LF, VT, FF, CR, NEL, and the Unicode line and paragraph separators.
constexpr bool isLineBreak(char16_t c)
{
    return c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r' || c == u'\u0085' ||
           c == u'\u2028' || c == u'\u2029';
}

// The text with each line break as one blank; CR LF counts as one break.
inline QString joinedLines(const QString& text)
{
    QString joined;
    joined.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!isLineBreak(c)) {
            joined += text[i];
            continue;
        }
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        joined += u' ';
    }
    return joined;
}

} // namespace qb
