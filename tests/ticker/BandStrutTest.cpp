#include "ticker/view/BandStrut.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

// Partial strut: left, right, top, bottom, then the spans of left, right, top, bottom.
using Values = std::array<int, 12>;
constexpr Values none{};

Values top(int rows, int startX, int endX)
{
    return {0, 0, rows, 0, 0, 0, 0, 0, startX, endX, 0, 0};
}

Values bottom(int rows, int startX, int endX)
{
    return {0, 0, 0, rows, 0, 0, 0, 0, 0, 0, startX, endX};
}

TEST(BandStrutTest, ReservesTheBandsRowsFromTheDesktopsEdge)
{
    const QRect full(0, 0, 1920, 1080);
    const QRect left(0, 0, 960, 1080), right(960, 0, 960, 1080);
    const QRect upper(0, 0, 1920, 1080), lower(0, 1080, 1920, 1080);
    // A taller monitor on the left: the desktop reaches below the primary one on the right.
    const QRect tall(0, 0, 960, 1200);
    struct Case
    {
        const char* name;
        QList<QRect> monitors;
        QRect band;
        bool atBottom;
        bool visible;
        Values expected;
    };
    const Case cases[] = {
        {"top of one monitor", {full}, {0, 0, 1920, 28}, false, true, top(28, 0, 1919)},
        {"bottom of one monitor", {full}, {0, 1052, 1920, 28}, true, true, bottom(28, 0, 1919)},
        {"hidden band gives the strip back", {full}, {0, 0, 1920, 28}, false, false, none},
        {"primary right of another, top",
         {left, right},
         {960, 0, 960, 28},
         false,
         true,
         top(28, 960, 1919)},
        {"primary right of another, bottom",
         {left, right},
         {960, 1052, 960, 28},
         true,
         true,
         bottom(28, 960, 1919)},
        {"counted from the desktop's bottom below a shorter primary",
         {tall, right},
         {960, 1052, 960, 28},
         true,
         true,
         bottom(148, 960, 1919)},
        {"primary below another, top edge faces it",
         {upper, lower},
         {0, 1080, 1920, 28},
         false,
         true,
         none},
        {"primary below another, bottom",
         {upper, lower},
         {0, 2132, 1920, 28},
         true,
         true,
         bottom(28, 0, 1919)},
        {"primary above another, bottom edge faces it",
         {upper, lower},
         {0, 1052, 1920, 28},
         true,
         true,
         none},
        {"band off every monitor", {full}, {0, 2000, 1920, 28}, false, true, none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bandStrut(c.monitors, c.band, c.atBottom, c.visible).values, c.expected);
    }
}

} // namespace
} // namespace qb
