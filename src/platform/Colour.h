#pragma once

#include <QColor>

namespace qb::colour {

// Stored colours are 24-bit values with red in the low byte (&HBBGGRR).
inline QColor toQColor(qint32 stored)
{
    return QColor(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
}

inline qint32 fromQColor(const QColor& colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

} // namespace qb::colour
