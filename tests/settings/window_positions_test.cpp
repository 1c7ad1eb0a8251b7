#include "settings/window_positions.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPositions, ClampingPullsEdgesOntoTheScreen) {
    PositionRect rect{-50, 20, 900, 700};
    ClampToScreen(&rect, 1920, 1080);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(rect.right, 900);
    EXPECT_EQ(rect.bottom, 700);

    rect = PositionRect{1850, 1000, 2500, -5};
    ClampToScreen(&rect, 1920, 1080);
    EXPECT_EQ(rect.left, 0); // within 100 pixels of the right edge
    EXPECT_EQ(rect.top, 0);  // within 100 pixels of the bottom edge
    EXPECT_EQ(rect.right, 1920);
    EXPECT_EQ(rect.bottom, 1080);
}

TEST(WindowPositions, RememberedRectanglesKeepTheirSizeOffTheScreenEdges) {
    cascadeOffset = 0;
    PositionRect rect = RememberedRect(-30, -10, 670, 540);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 700);
    EXPECT_EQ(rect.bottom, 550);

    cascadeOffset = 25; // a second running copy stores positions as the first would
    rect = RememberedRect(125, 125, 825, 675);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.bottom, 650);
    cascadeOffset = 0;
}

TEST(WindowPositions, ResetEmptiesEveryEntry) {
    windowPositions[kPositionMainWindow] = PositionRect{10, 10, 710, 560};
    windowPositions[kPositionHelpWindow] = PositionRect{775, 160, 1375, 625};
    EXPECT_FALSE(IsPositionEmpty(windowPositions[kPositionMainWindow]));
    ResetPositions();
    for (const PositionRect& rect : windowPositions)
        EXPECT_TRUE(IsPositionEmpty(rect));
    EXPECT_TRUE(IsPositionEmpty(PositionRect{10, 10, 0, 500}));
    EXPECT_TRUE(IsPositionEmpty(PositionRect{10, 10, 500, 0}));
}

} // namespace
