#pragma once

#include <array>

namespace qb {

// The strip a docked window reserves at the edges of the whole desktop, in logical pixels,
// in the order of the window managers' partial strut: the widths reserved at the left,
// right, top and bottom edges, then the span each of them covers (left start y, left end
// y, right start y, right end y, top start x, top end x, bottom start x, bottom end x; the
// ends inclusive). All zero reserves nothing.
struct Strut
{
    std::array<int, 12> values{};

    bool isEmpty() const
    {
        return values[0] == 0 && values[1] == 0 && values[2] == 0 && values[3] == 0;
    }
    bool operator==(const Strut&) const = default;
};

} // namespace qb
