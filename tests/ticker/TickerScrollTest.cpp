#include "ticker/view/TickerScroll.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

// Only a text strictly wider than the band scrolls (the wider ones below do).
TEST(TickerScrollTest, TextAsWideAsTheBandStands)
{
    TickerScroll scroll(30);
    scroll.setText(30000, 30000);
    EXPECT_EQ(scroll.LaufModus(), TickerScroll::Standing);
}

// Copies follow each other without a gap, up to and including one that starts exactly
// at the band's right edge.
TEST(TickerScrollTest, CopiesFillTheBandUpToItsRightEdge)
{
    struct Case
    {
        const char* name;
        int bandWidth;
        QVector<int> copyX;
    };
    const Case cases[] = {
        {"next copy starts exactly at the edge", 4101, {101, 2101, 4101}},
        {"next copy starts one twip beyond", 4100, {101, 2101}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TickerScroll scroll(30);
        scroll.setText(c.bandWidth + 1, c.bandWidth);
        EXPECT_EQ(scroll.step(c.bandWidth, 2000, c.bandWidth + 1).copyX, c.copyX);
    }
}

// Keeping x bounded must not change the picture, and the copies per tick stay few
// however long the text has been shown.
TEST(TickerScrollTest, BoundedPositionKeepsThePictureOfTheUnboundedOne)
{
    struct Case
    {
        const char* name;
        int schritt;
        int copyWidth;
    };
    const Case cases[] = {
        {"copy wider than the band", 30, 40005},
        {"step does not divide the copy", 7, 27001},
        {"many short copies per tick", 30, 1500},
    };
    const int bandWidth = 27000;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TickerScroll scroll(c.schritt);
        scroll.setText(bandWidth + 1, bandWidth);
        for (long long tick = 0; tick < 20000; ++tick) {
            const TickerScroll::Frame frame = scroll.step(bandWidth, c.copyWidth, c.copyWidth);
            // The copies in view, drawn and as an unbounded x would place them.
            QVector<int> visible, unbounded;
            for (const int x : frame.copyX) {
                if (x + c.copyWidth > 0)
                    visible.append(x);
            }
            for (long long x = TickerScroll::StartX + 1 - tick * c.schritt; x <= bandWidth;
                 x += c.copyWidth) {
                if (x + c.copyWidth > 0)
                    unbounded.append(static_cast<int>(x));
            }
            ASSERT_EQ(visible, unbounded) << "tick " << tick;
            ASSERT_LE(frame.copyX.size(), bandWidth / c.copyWidth + 2) << "tick " << tick;
        }
    }
}

} // namespace
} // namespace qb
