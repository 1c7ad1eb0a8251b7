#include "app/zoom_pan.h"

#include <gtest/gtest.h>

namespace {

const ShownRange kWholeYear{0, 364, 364};

TEST(ZoomPan, ZoomInHalvesTheRangeAroundTheClick) {
    RangeChange c = ZoomIn(kWholeYear, 0.5);
    EXPECT_TRUE(c.apply);
    EXPECT_EQ(c.start, 91); // 364 * 0.5 - 364 * 0.25
    EXPECT_EQ(c.end, 273);
    c = ZoomIn(kWholeYear, 0.0);
    EXPECT_EQ(c.start, 0);
    EXPECT_EQ(c.end, 182);
}

TEST(ZoomPan, ZoomInAtTheRightEdgeEndsOnTheLastDay) {
    RangeChange c = ZoomIn(ShownRange{300, 364, 364}, 1.0);
    EXPECT_EQ(c.end, 364);
    EXPECT_EQ(c.start, 332);
    c = ZoomIn(ShownRange{300, 365, 365}, 0.99);
    EXPECT_EQ(c.end, 365);
}

TEST(ZoomPan, ZoomInNeverStartsBeforeTheShownRange) {
    RangeChange c = ZoomIn(ShownRange{100, 103, 364}, 0.0);
    EXPECT_EQ(c.start, 100);
    EXPECT_EQ(c.end, 100);
}

TEST(ZoomPan, OneDayRangeZoomsInToItselfAndOutToThreeDays) {
    const ShownRange oneDay{150, 150, 364};
    RangeChange in = ZoomIn(oneDay, 0.7);
    EXPECT_EQ(in.start, 150);
    EXPECT_EQ(in.end, 150);
    RangeChange out = ZoomOut(oneDay, 0.5);
    EXPECT_EQ(out.start, 149);
    EXPECT_EQ(out.end, 151);
}

TEST(ZoomPan, ZoomOutDoublesAndStopsAtTheYearsEdges) {
    RangeChange c = ZoomOut(ShownRange{100, 200, 364}, 0.5);
    EXPECT_EQ(c.start, 50);
    EXPECT_EQ(c.end, 250);
    c = ZoomOut(ShownRange{0, 100, 364}, 0.1);
    EXPECT_EQ(c.start, 0);
    EXPECT_EQ(c.end, 200);
    c = ZoomOut(ShownRange{300, 364, 364}, 1.0);
    EXPECT_EQ(c.end, 364);
    EXPECT_EQ(c.start, 236);
    c = ZoomOut(kWholeYear, 0.5);
    EXPECT_EQ(c.start, 0);
    EXPECT_EQ(c.end, 364);
}

TEST(ZoomPan, PanKeepsTheLengthAndMovesAtLeastOneDay) {
    // One pixel on a short range: 9 * 1 * 0.003 truncates to 0, still one day.
    RangeChange c = Pan(ShownRange{100, 109, 364}, 1);
    EXPECT_TRUE(c.apply);
    EXPECT_EQ(c.start, 101);
    EXPECT_EQ(c.end, 110);
    c = Pan(ShownRange{100, 109, 364}, -1);
    EXPECT_EQ(c.start, 99);
    EXPECT_EQ(c.end, 108);
    // A long drag on a long range moves proportionally.
    c = Pan(ShownRange{100, 200, 364}, 50);
    EXPECT_EQ(c.start, 115);
    EXPECT_EQ(c.end, 215);
}

TEST(ZoomPan, PanAgainstTheYearsEdgesChangesNothing) {
    EXPECT_FALSE(Pan(ShownRange{0, 50, 364}, -10).apply);
    EXPECT_FALSE(Pan(ShownRange{300, 364, 364}, 10).apply);
    EXPECT_FALSE(Pan(kWholeYear, 40).apply);
    EXPECT_FALSE(Pan(ShownRange{10, 20, 364}, 0).apply);
    // Partly against the edge: stops at the edge with the length kept.
    RangeChange c = Pan(ShownRange{2, 52, 364}, -400);
    EXPECT_TRUE(c.apply);
    EXPECT_EQ(c.start, 0);
    EXPECT_EQ(c.end, 50);
    c = Pan(ShownRange{310, 360, 364}, 400);
    EXPECT_EQ(c.start, 314);
    EXPECT_EQ(c.end, 364);
}

} // namespace
