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

namespace qb::colour {

// A colour of the classic 16-colour palette by its number: 0 black ... 7 light grey,
// 8 dark grey ... 15 bright white. Numbers outside 0-15 give black.
inline QColor classic(int number)
{
    static constexpr int table[16][3] = {
        {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    if (number < 0 || number > 15)
        return QColor(0, 0, 0);
    return QColor(table[number][0], table[number][1], table[number][2]);
}

} // namespace qb::colour
