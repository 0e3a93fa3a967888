#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

namespace qb {

// The width of a text as the list draws it, in the same unit as the limit.
using TextWidth = std::function<int(QStringView text)>;

// The longest start of text whose width is at most limit (the whole text when it fits).
// A surrogate pair is never split. Widths are measured O(log n) times on pieces not much
// longer than the result, so a note of a megabyte costs no more than a short one.
QString elideToWidth(const QString& text, int limit, const TextWidth& width);

// One line of the notes administration: the note text cut to limit with "..." appended
// when anything was cut, ten tabs and the ID. The ID is out of sight at the right.
QString listLine(const QString& inhalt, qint64 id, int limit, const TextWidth& width);

// The ID of a list line: the number after the last tab; empty when there is none.
std::optional<qint64> idFromLine(QStringView line);

} // namespace qb
