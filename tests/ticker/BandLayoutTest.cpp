#include "core/Settings.h"
#include "ticker/BandLayout.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

// 1920 x 1080 pixels.
constexpr QSize screen{28800, 16200};

Settings settingsWith(bool frame, bool date, qint32 dockPos, qint16 size = 8)
{
    Settings settings;
    settings.zeigRahmen = frame;
    settings.zeigDatum = date;
    settings.dockPos = dockPos;
    settings.SchriftGroesse = size;
    return settings;
}

// Band height and text position: t * 1.5 and the centring both round halves to even.
TEST(BandLayoutTest, HeightAndTextYRoundHalvesToEven)
{
    struct Case
    {
        const char* name;
        int textHeight;
        int bandHeight;
        int textY;
    };
    const Case cases[] = {
        {"whole product", 180, 270, 36},             // (270-180)/2 = 45, 36.0
        {"half product rounds down to even", 195, 292, 38}, // 292.5 -> 292; 48.5 -> 48; 38.4
        {"half product rounds up to even", 225, 338, 45},   // 337.5 -> 338; 56.5 -> 56; 44.8
        {"times 0.8 rounds to nearest", 210, 315, 42},      // 52.5 -> 52; 41.6 -> 42
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BandLayout layout = BandLayout::compute(settingsWith(true, true, 0), screen,
                                                      c.textHeight);
        EXPECT_EQ(layout.bandHeight, c.bandHeight);
        EXPECT_EQ(layout.textY, c.textY);
    }
}

// Sizes 9, 11 and 14 place the text at fixed heights whatever the font measures.
TEST(BandLayoutTest, FontSizeOverridesTextY)
{
    struct Case
    {
        const char* name;
        qint16 size;
        int textY;
    };
    const Case cases[] = {
        {"size 9", 9, 170},
        {"size 11", 11, 135},
        {"size 14", 14, 85},
        {"size 10 keeps the computed value", 10, 38},
        {"size 12 keeps the computed value", 12, 38},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BandLayout layout =
            BandLayout::compute(settingsWith(true, true, 0, c.size), screen, 195);
        EXPECT_EQ(layout.textY, c.textY);
    }
}

// The four frame/date combinations and both dock edges on a 28800 x 16200 screen, h = 292.
TEST(BandLayoutTest, PanelsAndDockingForFrameAndDate)
{
    struct Case
    {
        const char* name;
        bool frame;
        bool date;
        qint32 dockPos;
        int windowHeight;
        int windowTop;
        QRect notiz;
        QRect datum;
        QRect uhr;
        bool bevel;
    };
    const int h = 292;
    const Case cases[] = {
        {"frame and date, top", true, true, 0, h + 135, 0, QRect(2025, 45, 28800 - 2115, h),
         QRect(45, 45, 915, h), QRect(960, 45, 1065, h), true},
        {"frame and date, bottom", true, true, 1, h + 135, 16200 - h - 135,
         QRect(2025, 45, 28800 - 2115, h), QRect(45, 45, 915, h), QRect(960, 45, 1065, h),
         true},
        {"frame without date", true, false, 0, h + 135, 0, QRect(45, 45, 28800 - 135, h),
         QRect(45, 45, 915, h), QRect(960, 45, 1065, h), true},
        {"date without frame", false, true, 0, h, 0, QRect(1980, 0, 28800 - 1980, h),
         QRect(0, 0, 915, h), QRect(915, 0, 1065, h), false},
        {"neither, bottom", false, false, 1, h, 16200 - h, QRect(0, 0, 28800, h),
         QRect(0, 0, 915, h), QRect(915, 0, 1065, h), false},
        {"any dockPos other than 0 is the bottom", false, false, -1, h, 16200 - h,
         QRect(0, 0, 28800, h), QRect(0, 0, 915, h), QRect(915, 0, 1065, h), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BandLayout layout =
            BandLayout::compute(settingsWith(c.frame, c.date, c.dockPos), screen, 195);
        EXPECT_EQ(layout.windowLeft, 0);
        EXPECT_EQ(layout.windowWidth, 28800);
        EXPECT_EQ(layout.windowHeight, c.windowHeight);
        EXPECT_EQ(layout.windowTop, c.windowTop);
        EXPECT_EQ(layout.notizRect, c.notiz);
        EXPECT_EQ(layout.datumRect, c.datum);
        EXPECT_EQ(layout.uhrRect, c.uhr);
        EXPECT_EQ(layout.bevel, c.bevel);
        EXPECT_EQ(layout.clockVisible, c.date);
        EXPECT_EQ(layout.measureTop, c.windowHeight + 100);
    }
}

// With frame and date the band ends 90 twips before the right edge on any screen width.
TEST(BandLayoutTest, FramedBandEndsNinetyTwipsBeforeTheRightEdge)
{
    for (const int width : {15360, 19200, 28800, 57600}) {
        SCOPED_TRACE(width);
        const BandLayout layout =
            BandLayout::compute(settingsWith(true, true, 0), QSize(width, 12000), 195);
        EXPECT_EQ(layout.notizRect.left(), 2025);
        EXPECT_EQ(layout.notizRect.x() + layout.notizRect.width(), width - 90);
    }
}

} // namespace
} // namespace qb
