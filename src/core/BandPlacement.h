#pragma once

// Where the windows that open beside the band stand, in twips on the screen: each window's
// formula lives with the window; the band's side is decided here, for all of them.
namespace qb::placement {

// The band counts as docked at the top when its top edge lies less than 100 twips below the
// top of the screen.
constexpr bool bandAtTop(int tickerTop)
{
    return tickerTop < 100;
}

} // namespace qb::placement
