#include "ticker/view/BandLayout.h"
#include "core/Settings.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

// 1920 x 1080 pixels.
constexpr int W = 28800;
constexpr QRect screen{0, 0, W, 16200};

Settings settingsWith(bool frame, bool date, qint32 dockPos, qint16 size = 8)
{
    Settings settings;
    settings.zeigRahmen = frame;
    settings.zeigDatum = date;
    settings.dockPos = dockPos;
    settings.SchriftGroesse = size;
    return settings;
}

// h = t * 1.5 and TextY = (h - t) / 2 * 0.8, each step rounding halves to even, unless
// the font size places the text at a fixed height.
TEST(BandLayoutTest, BandHeightAndTextY)
{
    struct Case
    {
        const char* name;
        qint16 size;
        int textHeight;
        int bandHeight;
        int textY;
    };
    const Case cases[] = {
        {"halves round down to even", 8, 195, 292, 38},   // 292.5 -> 292; 48.5 -> 48; 38.4
        {"halves round up to even", 8, 225, 338, 45},     // 337.5 -> 338; 56.5 -> 56; 44.8
        {"times 0.8 rounds to nearest", 8, 210, 315, 42}, // 52.5 -> 52; 41.6 -> 42
        {"size 9 is fixed", 9, 195, 292, 170},
        {"size 11 is fixed", 11, 195, 292, 135},
        {"size 14 is fixed", 14, 195, 292, 85},
        {"size 10 keeps the computed value", 10, 195, 292, 38},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BandLayout layout =
            BandLayout::compute(settingsWith(true, true, 0, c.size), screen, c.textHeight);
        EXPECT_EQ(layout.bandHeight, c.bandHeight);
        EXPECT_EQ(layout.textY, c.textY);
    }
}

// The four frame/date combinations and both dock edges, h = 292.
TEST(BandLayoutTest, PanelsAndDockingForFrameAndDate)
{
    struct Case
    {
        const char* name;
        bool frame;
        bool date;
        qint32 dockPos;
        QRect window;
        QRect notiz;
    };
    const int h = 292;
    const int hf = h + 135;
    const Case cases[] = {
        {"frame and date: NotizPan from 2025 to W - 90, docked at the top", true, true, 0,
         QRect(0, 0, W, hf), QRect(2025, 45, W - 90 - 2025, h)},
        {"frame without date, docked at the bottom", true, false, 1, QRect(0, 16200 - hf, W, hf),
         QRect(45, 45, W - 135, h)},
        {"date without frame, docked at the bottom", false, true, 1, QRect(0, 16200 - h, W, h),
         QRect(1980, 0, W - 1980, h)},
        {"neither, docked at the top", false, false, 0, QRect(0, 0, W, h), QRect(0, 0, W, h)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BandLayout layout =
            BandLayout::compute(settingsWith(c.frame, c.date, c.dockPos), screen, 195);
        EXPECT_EQ(
            QRect(layout.windowLeft, layout.windowTop, layout.windowWidth, layout.windowHeight),
            c.window);
        EXPECT_EQ(layout.notizRect, c.notiz);
        // The date and the clock sit side by side, inside the frame if there is one.
        EXPECT_EQ(layout.datumRect, c.frame ? QRect(45, 45, 915, h) : QRect(0, 0, 915, h));
        EXPECT_EQ(layout.uhrRect, c.frame ? QRect(960, 45, 1065, h) : QRect(915, 0, 1065, h));
        EXPECT_EQ(layout.bevel, c.frame);
        EXPECT_EQ(layout.clockVisible, c.date);
    }
}

// A primary screen right of and below another monitor: the band lies on it, at its
// top or its bottom, not at the desktop's origin.
TEST(BandLayoutTest, PrimaryScreenAwayFromTheOrigin)
{
    const QRect primary(28800, 1500, 19200, 12000);
    for (const qint32 dockPos : {0, 1}) {
        SCOPED_TRACE(dockPos);
        const BandLayout layout =
            BandLayout::compute(settingsWith(true, true, dockPos), primary, 195);
        EXPECT_EQ(
            QRect(layout.windowLeft, layout.windowTop, layout.windowWidth, layout.windowHeight),
            QRect(28800, dockPos == 0 ? 1500 : 13500 - 427, 19200, 427));
    }
}

} // namespace
} // namespace qb
