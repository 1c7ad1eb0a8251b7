#include "ui/position_code.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using Rect = std::tuple<int, int, int, int>;
Rect Of(const LayoutRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}
const LayoutRect kArea = {10, 20, 410, 220}, kAtOrigin = {0, 0, 400, 200}; // 400 x 200

// The previous control at {5, 7, 30 x 40}, earlier entries, and a text of 50 x 16.
struct Layout {
    LayoutRect area = kArea;
    std::vector<LayoutRect> earlier;
    PreviousPlacement previous = {5, 7, 30, 40};
    int measurements = 0;

    static LayoutRect Earlier(int i, void* self) { return static_cast<Layout*>(self)->earlier[i]; }
    static LayoutSize Measure(void* self) {
        ++static_cast<Layout*>(self)->measurements;
        return {50, 16};
    }
    bool Place(const PositionCodeValue (&codes)[4], int index, LayoutRect* placed) {
        return ComputeControlRect(codes, index, area, {Earlier, Measure, this}, previous, placed);
    }
};

PositionCodeValue Rule(int rule, int offset) {
    return PositionCode(rule, 0, offset);
}

TEST(PositionCodes, DecodeTheFieldsAndTellWhichUseTheText) {
    const DecodedPosition w = DecodePosition(0x1FA02000),
                          c = DecodePosition(PositionCode(kRuleCentre, 8000, -37)),
                          r = DecodePosition(ReferenceCode(kRefAlignEnd, -3, 8191)),
                          e = DecodePosition(ReferenceCode(kRefStart, 511, -8192));
    EXPECT_EQ(std::make_tuple(w.rule, w.offset, w.fraction), std::make_tuple(1, 0, 1.0));
    EXPECT_EQ(std::make_tuple(c.rule, c.offset, c.fraction), std::make_tuple(2, -37, 0.5));
    EXPECT_EQ(std::make_tuple(r.rule, r.subRule, r.reference, r.offset),
              std::make_tuple(15, int(kRefAlignEnd), -3, 8191));
    EXPECT_EQ(std::make_tuple(e.reference, e.offset), std::make_tuple(511, -8192));

    EXPECT_FALSE(PositionUsesText(kWholeExtent));
    EXPECT_FALSE(PositionUsesText(Rule(kRuleBeforePreviousEnd, 0)));
    for (int rule = kRulePlusText; rule <= kRuleMinusPreviousEndText; ++rule)
        EXPECT_TRUE(PositionUsesText(Rule(rule, 0))) << rule;
    for (int sub = 0; sub <= kRefAreaRemainder; ++sub)
        EXPECT_EQ(PositionUsesText(ReferenceCode(sub, 0, 0)), sub >= 3 && sub <= 6) << sub;
}

// Each placement becomes the previous control; the text is measured once for
// a control that needs it and never otherwise.
TEST(Layout, EachRulePlacesTheControlAndBecomesThePrevious) {
    const auto B = [](int f, int offset) { return PositionCode(kRuleBase, f, offset); };
    const auto C = [](int f, int offset) { return PositionCode(kRuleCentre, f, offset); };
    const auto& R = ReferenceCode;
    const std::vector<LayoutRect> one = {{100, 50, 180, 70}}, two = {one[0], {200, 80, 260, 110}};
    const struct {
        const char* what;
        LayoutRect area;
        std::vector<LayoutRect> earlier;
        PositionCodeValue codes[4];
        LayoutRect placed;
        int measurements;
    } cases[] = {
        // clang-format off
        {"whole area", kArea, {}, {0, 0, kWholeExtent, kWholeExtent}, kArea, 0},
        {"plain, from the area's corner", kArea, {}, {25, 3, 100, 12}, {35, 23, 135, 35}, 0},
        {"base: a quarter plus 3, a half less 2", kArea, {},
         {B(4000, 3), B(8000, -2), B(4000, 0), B(0, 9)}, {113, 118, 213, 127}, 0},
        {"base rounded: 3.75 and 3.25", kArea, {}, {B(150, 0), 0, B(130, 0), 1}, {14, 20, 17, 21}, 0},
        {"centre", kArea, {}, {C(8000, 0), C(8000, 0), 100, C(0, 41)}, {160, 100, 260, 141}, 0},
        {"on the previous control, absolute", kArea, {},
         {Rule(kRuleAfterPreviousStart, 2), Rule(kRuleAfterPreviousEnd, 3),
          Rule(kRuleBeforePreviousStart, 100), Rule(kRuleBeforePreviousEnd, 100)},
         {7, 50, 102, 103}, 0},
        {"plus and minus the text", kArea, {},
         {Rule(kRulePlusText, 1), Rule(kRuleMinusText, 30), Rule(kRulePreviousStartPlusText, 0),
          Rule(kRulePreviousEndPlusText, 0)}, {61, 34, 116, 97}, 1},
        {"minus the previous and the text", kArea, {},
         {Rule(kRuleMinusPreviousStartText, 100), Rule(kRuleMinusPreviousEndText, 100),
          Rule(kRuleMinusPreviousEndText, 100), Rule(kRuleMinusPreviousStartText, 100)},
         {45, 37, 60, 114}, 1},
        {"a reference without text", kArea, {{0, 0, 10, 10}},
         {0, Rule(kRuleAfterPreviousEnd, 0), kWholeExtent, R(kRefSizeToEnd, -1, 100)},
         {10, 47, 410, 110}, 0},
        {"a reference's text", kArea, {{0, 0, 10, 10}}, {R(kRefEndPlusText, 0, 0), 0, 1, 1},
         {60, 20, 61, 21}, 1},
        {"one field of a reference", kArea, two,
         {R(kRefStart, 0, 5), R(kRefEnd, -1, 4), R(kRefSize, 0, -10), R(kRefSize, 1, 0)},
         {105, 114, 175, 144}, 0},
        {"a reference and the text", kArea, two,
         {R(kRefStartPlusText, 1, 0), R(kRefEndPlusText, 0, 0), R(kRefStartMinusText, 0, 0),
          R(kRefEndMinusText, 1, 2)}, {250, 86, 300, 182}, 1},
        {"before entry 0, as high as the gap to entry 1", kAtOrigin, two,
         {R(kRefBeforeStart, 0, -2), 10, 30, R(kRefSizeToStart, 1, 0)}, {68, 10, 98, 80}, 0},
        {"entry 0's left to entry 1's right, bottoms aligned", kAtOrigin, two,
         {R(kRefStart, 0, 0), R(kRefAlignEnd, 1, 0), R(kRefSizeToEnd, 1, 0), 20},
         {100, 90, 260, 110}, 0},
        {"what the area leaves behind entry 0", kAtOrigin, two,
         {0, 0, R(kRefAreaRemainder, 0, 0), R(kRefAreaRemainder, 0, -1)}, {0, 0, 220, 129}, 0},
        {"centred with a reference's width", kAtOrigin, one,
         {C(8000, 0), 0, R(kRefSize, 0, 0), 5}, {160, 0, 240, 5}, 0},
        {"only area-relative rules are shifted by the area", kArea, one,
         {R(kRefEnd, 0, 0), Rule(kRuleAfterPreviousStart, 0), 10, 10}, {180, 7, 190, 17}, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Layout layout{c.area, c.earlier};
        LayoutRect placed = {-1, -1, -1, -1};
        EXPECT_TRUE(layout.Place(c.codes, static_cast<int>(c.earlier.size()), &placed));
        EXPECT_EQ(Of(placed), Of(c.placed));
        EXPECT_EQ(layout.measurements, c.measurements);
        const PreviousPlacement& p = layout.previous;
        EXPECT_EQ(Rect(p.left, p.top, p.left + p.width, p.top + p.height), Of(placed));
    }
}

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
