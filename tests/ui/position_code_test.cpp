#include "ui/position_code.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using Rect = std::tuple<int, int, int, int>;
Rect Of(const LayoutRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}
const LayoutRect kArea = {10, 20, 410, 220}; // 400 x 200

// The previous control at {5, 7, 30 x 40}, earlier entries, and a text of 50 x 16.
struct Layout {
    LayoutRect area = kArea;
    std::vector<LayoutRect> earlier;
    PreviousPlacement previous = {5, 7, 30, 40};

    static LayoutRect Earlier(int i, void* self) { return static_cast<Layout*>(self)->earlier[i]; }
    static LayoutSize Measure(void*) { return {50, 16}; }
    bool Place(const PositionCodeValue (&codes)[4], int index, LayoutRect* placed) {
        return ComputeControlRect(codes, index, area, {Earlier, Measure, this}, previous, placed);
    }
};

// A reference reads only entries placed before this one.
TEST(Layout, AReferenceOutsideTheEarlierEntriesOrAnEmptyAreaLeavesTheEntry) {
    Layout layout{kArea, {{100, 50, 180, 70}, {200, 80, 260, 110}}};
    LayoutRect placed = {1, 2, 3, 4};
    const PositionCodeValue start1 = ReferenceCode(kRefStart, 1, 0),
                            back2 = ReferenceCode(kRefStart, -2, 0);
    EXPECT_FALSE(layout.Place({start1, 0, 5, 10}, 1, &placed));
    EXPECT_FALSE(layout.Place({back2, 0, 5, 10}, 1, &placed));
    EXPECT_FALSE(layout.Place({0, 0, ReferenceCode(kRefSize, 0, 0), 10}, 0, &placed));
    for (LayoutRect empty : {LayoutRect{10, 20, 10, 220}, LayoutRect{10, 20, 410, 19}})
        EXPECT_FALSE((Layout{empty, {}}).Place({0, 0, kWholeExtent, 10}, 0, &placed));
    EXPECT_EQ(Of(placed), Rect(1, 2, 3, 4));
    EXPECT_EQ(std::make_tuple(layout.previous.left, layout.previous.width), std::make_tuple(5, 30));
    // The fraction bits of other rules are no reference.
    EXPECT_TRUE(layout.Place({0, 0, kWholeExtent, 10}, 0, &placed));
    EXPECT_TRUE(layout.Place({back2, 0, 5, 10}, 2, &placed));
    EXPECT_EQ(placed.left, 100);
}

} // namespace
