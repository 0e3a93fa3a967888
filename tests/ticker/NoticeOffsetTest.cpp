#include "ticker/NoticeOffset.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

// The notice is centred on the band; its height depends on the dock edge.
TEST(NoticeOffsetTest, OffsetsByDockEdge)
{
    struct Case
    {
        const char* name;
        int width;
        int innerHeight;
        int top;
        qint32 dockPos;
        QPointF expected;
    };
    const Case cases[] = {
        {"top: half the band above 400", 28800, 427, 0, 0, {13515, -186.5}},
        {"top with an odd width keeps the half", 28815, 427, 0, 0, {13522.5, -186.5}},
        {"top counts the window's top", 28800, 427, 300, 0, {13515, 113.5}},
        {"bottom: above the band by the bubble and 300", 28800, 427, 15773, 1, {13515, -1515}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QPointF offset = noticeOffset(c.width, c.innerHeight, c.top, c.dockPos, 1215);
        EXPECT_DOUBLE_EQ(offset.x(), c.expected.x());
        EXPECT_DOUBLE_EQ(offset.y(), c.expected.y());
    }
}

} // namespace
} // namespace qb
