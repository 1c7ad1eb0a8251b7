#include "settings/window_positions.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Corners = std::array<int, 4>;
Corners Of(const PositionRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// On a 1920 x 1080 screen: edges off it, or a left or top edge within 100
// pixels of its far side, are pulled onto it.
TEST(WindowPositions, ClampingPullsEdgesOntoTheScreen) {
    const struct {
        PositionRect in;
        Corners out;
    } cases[] = {
        {{-50, 20, 900, 700}, {0, 20, 900, 700}},
        {{1850, 1000, 2500, -5}, {0, 0, 1920, 1080}},
        {{1819, 979, 1919, 1079}, {1819, 979, 1919, 1079}},
    };
    for (auto c : cases) {
        ClampToScreen(&c.in, 1920, 1080);
        EXPECT_EQ(Of(c.in), c.out);
    }
}

TEST(WindowPositions, RememberedRectanglesKeepTheirSizeOffTheScreenEdges) {
    cascadeOffset = 0;
    EXPECT_EQ(Of(RememberedRect(-30, -10, 670, 540)), (Corners{0, 0, 700, 550}));
    cascadeOffset = 25; // a second running copy stores positions as the first would
    EXPECT_EQ(Of(RememberedRect(125, 125, 825, 675)), (Corners{100, 100, 800, 650}));
    cascadeOffset = 0;
}

} // namespace
