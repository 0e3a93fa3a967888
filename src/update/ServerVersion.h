#pragma once

#include <QByteArray>

namespace qb {

// How much of the remote version file is read: a longer file whose first line does not end
// within these bytes is garbled.
inline constexpr int serverVersionBytes = 64;

// The server's version from the start of the remote version file (up to serverVersionBytes
// + 1 bytes; one more tells a longer file): the leading number of its first line, after
// blanks, with an optional sign and decimals, rounded to the nearest integer (halves to
// even). 0 when the line does not start with a number, when the number does not fit into
// 16 bits, or when no line ends within the first serverVersionBytes bytes of a longer file.
int ServerVersionLesen(const QByteArray& start);

} // namespace qb
