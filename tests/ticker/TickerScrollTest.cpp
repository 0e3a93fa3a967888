#include "ticker/TickerScroll.h"

#include <gtest/gtest.h>

#include <vector>

namespace qb {
namespace {

// A scrolling text moves left by Schritt per tick from x = 101.
TEST(TickerScrollTest, ScrollingTextMovesBySchrittFrom101)
{
    struct Case
    {
        const char* name;
        int schritt;
        std::vector<int> firstX;
    };
    const Case cases[] = {
        {"default speed 30", 30, {101, 71, 41, 11, -19}},
        {"slowest speed 5", 5, {101, 96, 91, 86, 81}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TickerScroll scroll(c.schritt);
        scroll.setText(40000, 30000);
        for (const int expected : c.firstX) {
            const TickerScroll::Frame frame = scroll.step(30000, 45000, 40000);
            ASSERT_TRUE(frame.redraw);
            EXPECT_EQ(frame.copyX.front(), expected);
        }
    }
}

// A text no wider than the band is drawn once at 101 and then left alone; a new layout
// (restart) draws it once more.
TEST(TickerScrollTest, FittingTextStandsAfterOneDrawing)
{
    TickerScroll scroll(30);
    scroll.setText(30000, 30000);
    EXPECT_EQ(scroll.LaufModus(), TickerScroll::Standing);
    EXPECT_EQ(scroll.step(30000, 5000, 4000), (TickerScroll::Frame{true, {101}}));
    EXPECT_FALSE(scroll.step(30000, 5000, 4000).redraw);
    EXPECT_FALSE(scroll.step(30000, 5000, 4000).redraw);

    scroll.restart();
    EXPECT_EQ(scroll.step(30000, 5000, 4000), (TickerScroll::Frame{true, {101}}));
    EXPECT_FALSE(scroll.step(30000, 5000, 4000).redraw);
}

// The band is filled with copies that follow each other without a gap, up to and
// including a copy that starts exactly at the band's right edge.
TEST(TickerScrollTest, CopiesFillTheBandUpToItsRightEdge)
{
    struct Case
    {
        const char* name;
        int bandWidth;
        int copyWidth;
        QVector<int> copyX;
    };
    const Case cases[] = {
        {"second copy reaches in", 3000, 2000, {101, 2101}},
        {"next copy starts exactly at the edge", 4101, 2000, {101, 2101, 4101}},
        {"next copy starts one twip beyond", 4100, 2000, {101, 2101}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TickerScroll scroll(30);
        scroll.setText(c.bandWidth + 1, c.bandWidth);
        EXPECT_EQ(scroll.step(c.bandWidth, c.copyWidth, c.bandWidth + 1).copyX, c.copyX);
    }
}

// The mode changes only when the text is strictly wider than the band.
TEST(TickerScrollTest, ModeFollowsTextWidthAgainstBandWidth)
{
    TickerScroll scroll(30);
    scroll.setText(30001, 30000);
    EXPECT_EQ(scroll.LaufModus(), TickerScroll::Scrolling);
    scroll.setText(30000, 30000);
    EXPECT_EQ(scroll.LaufModus(), TickerScroll::Standing);
}

// The copies visible in the band, as the unbounded drawing would place them.
QVector<int> unboundedVisibleCopies(long long tick, int schritt, int bandWidth, int copyWidth)
{
    QVector<int> visible;
    const long long x0 = TickerScroll::StartX + 1 - tick * schritt;
    for (long long x = x0; x <= bandWidth; x += copyWidth) {
        if (x + copyWidth > 0)
            visible.append(static_cast<int>(x));
    }
    return visible;
}

// Keeping x bounded must not change the picture, and the copies per tick stay few
// however long the text has been shown.
TEST(TickerScrollTest, BoundedPositionKeepsThePictureOfTheUnboundedOne)
{
    struct Case
    {
        const char* name;
        int schritt;
        int bandWidth;
        int copyWidth;
    };
    const Case cases[] = {
        {"copy wider than the band", 30, 27000, 40005},
        {"copy a little wider than the band", 30, 27000, 27015},
        {"step does not divide the copy", 7, 27000, 27001},
        {"short copies after a smaller font", 30, 27000, 1500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TickerScroll scroll(c.schritt);
        scroll.setText(c.bandWidth + 1, c.bandWidth);
        for (long long tick = 0; tick < 20000; ++tick) {
            const TickerScroll::Frame frame = scroll.step(c.bandWidth, c.copyWidth, c.copyWidth);
            QVector<int> visible;
            for (const int x : frame.copyX) {
                if (x + c.copyWidth > 0)
                    visible.append(x);
            }
            ASSERT_EQ(visible, unboundedVisibleCopies(tick, c.schritt, c.bandWidth, c.copyWidth))
                << "tick " << tick;
            ASSERT_LE(frame.copyX.size(), c.bandWidth / c.copyWidth + 2) << "tick " << tick;
            ASSERT_GT(scroll.x(), -c.copyWidth) << "tick " << tick;
        }
    }
}

} // namespace
} // namespace qb
