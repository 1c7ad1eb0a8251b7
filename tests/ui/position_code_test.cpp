#include "ui/position_code.h"

#include <gtest/gtest.h>

#include <vector>

// Found by argument lookup, so beside LayoutRect in the global namespace.
static bool operator==(const LayoutRect& a, const LayoutRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static void PrintTo(const LayoutRect& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

// A table of earlier rectangles, a text size, and the count of measurements.
class Layout : public ::testing::Test {
  protected:
    LayoutRect area = {10, 20, 410, 220}; // 400 x 200
    PreviousPlacement previous = {5, 7, 30, 40};
    LayoutSize text = {50, 16};
    std::vector<LayoutRect> earlier;
    int measurements = 0;

    static LayoutRect Earlier(int index, void* context) {
        return static_cast<Layout*>(context)->earlier.at(static_cast<size_t>(index));
    }
    static LayoutSize Measure(void* context) {
        Layout* self = static_cast<Layout*>(context);
        ++self->measurements;
        return self->text;
    }

    // Places entry number earlier.size() with the four codes.
    LayoutRect Place(PositionCodeValue x, PositionCodeValue y, PositionCodeValue width,
                     PositionCodeValue height) {
        const PositionCodeValue codes[4] = {x, y, width, height};
        LayoutRect placed = {-1, -1, -1, -1};
        const LayoutSources sources = {Earlier, Measure, this};
        EXPECT_TRUE(ComputeControlRect(codes, static_cast<int>(earlier.size()), area, sources,
                                       previous, &placed));
        return placed;
    }

    bool TryPlace(int index, PositionCodeValue x, PositionCodeValue width, LayoutRect* placed) {
        const PositionCodeValue codes[4] = {x, 0, width, PositionCode(kRulePlain, 0, 10)};
        const LayoutSources sources = {Earlier, Measure, this};
        return ComputeControlRect(codes, index, area, sources, previous, placed);
    }
};

PositionCodeValue Plain(int value) {
    return static_cast<PositionCodeValue>(value);
}
PositionCodeValue Rule(int rule, int offset) {
    return PositionCode(rule, 0, offset);
}

TEST(PositionCodes, DecodeTheFields) {
    const DecodedPosition whole = DecodePosition(0x1FA02000);
    EXPECT_EQ(whole.rule, kRuleBase);
    EXPECT_EQ(whole.offset, 0);
    EXPECT_DOUBLE_EQ(whole.fraction, 1.0);
    EXPECT_EQ(kWholeExtent, 0x1FA02000u);

    const DecodedPosition half = DecodePosition(PositionCode(kRuleCentre, 8000, -37));
    EXPECT_EQ(half.rule, kRuleCentre);
    EXPECT_EQ(half.offset, -37);
    EXPECT_DOUBLE_EQ(half.fraction, 0.5);

    const DecodedPosition ref = DecodePosition(ReferenceCode(kRefAlignEnd, -3, 8191));
    EXPECT_EQ(ref.rule, kRuleReference);
    EXPECT_EQ(ref.subRule, kRefAlignEnd);
    EXPECT_EQ(ref.reference, -3);
    EXPECT_EQ(ref.offset, 8191);
    EXPECT_EQ(DecodePosition(ReferenceCode(kRefStart, 511, -8192)).reference, 511);
    EXPECT_EQ(DecodePosition(ReferenceCode(kRefStart, 511, -8192)).offset, -8192);
}

TEST(PositionCodes, TextRules) {
    EXPECT_FALSE(PositionUsesText(kWholeExtent));
    EXPECT_FALSE(PositionUsesText(Rule(kRuleBeforePreviousEnd, 0)));
    for (int rule = kRulePlusText; rule <= kRuleMinusPreviousEndText; ++rule)
        EXPECT_TRUE(PositionUsesText(Rule(rule, 0))) << rule;
    for (int sub = 0; sub <= kRefAreaRemainder; ++sub)
        EXPECT_EQ(PositionUsesText(ReferenceCode(sub, 0, 0)), sub >= 3 && sub <= 6) << sub;
}

TEST_F(Layout, WholeAreaCodeFillsTheArea) {
    EXPECT_EQ(Place(0, 0, kWholeExtent, kWholeExtent), area);
    EXPECT_EQ(previous.left, 10);
    EXPECT_EQ(previous.top, 20);
    EXPECT_EQ(previous.width, 400);
    EXPECT_EQ(previous.height, 200);
    EXPECT_EQ(measurements, 0);
}

TEST_F(Layout, PlainAndBaseRulesAreRelativeToTheArea) {
    EXPECT_EQ(Place(Plain(25), Plain(3), Plain(100), Plain(12)), (LayoutRect{35, 23, 135, 35}));
    // A quarter of the width plus 3; a half of the height less 2.
    EXPECT_EQ(Place(PositionCode(kRuleBase, 4000, 3), PositionCode(kRuleBase, 8000, -2),
                    PositionCode(kRuleBase, 4000, 0), PositionCode(kRuleBase, 0, 9)),
              (LayoutRect{113, 118, 213, 127}));
}

TEST_F(Layout, BaseIsRoundedToTheNearestPixel) {
    // 150/16000 of 400 is 3.75, 130/16000 is 3.25.
    EXPECT_EQ(
        Place(PositionCode(kRuleBase, 150, 0), Plain(0), PositionCode(kRuleBase, 130, 0), Plain(1)),
        (LayoutRect{14, 20, 17, 21}));
}

TEST_F(Layout, CentreRuleCentresOnTheBase) {
    EXPECT_EQ(Place(PositionCode(kRuleCentre, 8000, 0), PositionCode(kRuleCentre, 8000, 0),
                    Plain(100), PositionCode(kRuleCentre, 0, 41)),
              (LayoutRect{160, 100, 260, 141}));
}

TEST_F(Layout, RulesBuildingOnThePreviousControl) {
    // previous: left 5, top 7, width 30, height 40; these rules are absolute.
    EXPECT_EQ(Place(Rule(kRuleAfterPreviousStart, 2), Rule(kRuleAfterPreviousEnd, 3),
                    Rule(kRuleBeforePreviousStart, 100), Rule(kRuleBeforePreviousEnd, 100)),
              (LayoutRect{7, 50, 7 + 95, 50 + 53}));
}

TEST_F(Layout, PreviousIsTheControlPlacedLast) {
    Place(Plain(0), Plain(0), Plain(80), Plain(20)); // 10, 20, 80 x 20
    earlier.push_back({10, 20, 90, 40});
    EXPECT_EQ(Place(Rule(kRuleAfterPreviousEnd, 4), Rule(kRuleAfterPreviousStart, 0), Plain(60),
                    Rule(kRuleAfterPreviousStart, 0)),
              (LayoutRect{94, 20, 154, 40}));
}

TEST_F(Layout, RulesWithTheControlsText) {
    // text 50 x 16
    EXPECT_EQ(Place(Rule(kRulePlusText, 1), Rule(kRuleMinusText, 30),
                    Rule(kRulePreviousStartPlusText, 0), Rule(kRulePreviousEndPlusText, 0)),
              (LayoutRect{61, 34, 61 + 55, 34 + 63}));
    previous = {5, 7, 30, 40};
    EXPECT_EQ(Place(Rule(kRuleMinusPreviousStartText, 100), Rule(kRuleMinusPreviousEndText, 100),
                    Rule(kRuleMinusPreviousEndText, 100), Rule(kRuleMinusPreviousStartText, 100)),
              (LayoutRect{45, 37, 45 + 15, 37 + 77}));
    EXPECT_EQ(measurements, 2); // once per control
}

TEST_F(Layout, TextIsMeasuredOnlyWhenARuleNeedsIt) {
    earlier.push_back({0, 0, 10, 10});
    Place(kWholeExtent, Rule(kRuleAfterPreviousEnd, 0), ReferenceCode(kRefSize, 0, 0),
          ReferenceCode(kRefSizeToEnd, -1, 0));
    EXPECT_EQ(measurements, 0);
    Place(ReferenceCode(kRefEndPlusText, 0, 0), Plain(0), Plain(1), Plain(1));
    EXPECT_EQ(measurements, 1);
}

TEST_F(Layout, ReferenceRulesOfOneField) {
    earlier = {{100, 50, 180, 70}, {200, 80, 260, 110}};
    EXPECT_EQ(Place(ReferenceCode(kRefStart, 0, 5), ReferenceCode(kRefEnd, -1, 4),
                    ReferenceCode(kRefSize, 0, -10), ReferenceCode(kRefSize, 1, 0)),
              (LayoutRect{105, 114, 175, 144}));
    EXPECT_EQ(Place(ReferenceCode(kRefStartPlusText, 1, 0), ReferenceCode(kRefEndPlusText, 0, 0),
                    ReferenceCode(kRefStartMinusText, 0, 0), ReferenceCode(kRefEndMinusText, 1, 2)),
              (LayoutRect{250, 86, 300, 182}));
}

TEST_F(Layout, ReferenceRulesThatUseTheOwnPositionOrSize) {
    area = {0, 0, 400, 200};
    earlier = {{100, 50, 180, 70}, {200, 80, 260, 110}};
    // Just before entry 0, 30 wide; as high as the gap down to entry 1's top.
    EXPECT_EQ(Place(ReferenceCode(kRefBeforeStart, 0, -2), Plain(10), Plain(30),
                    ReferenceCode(kRefSizeToStart, 1, 0)),
              (LayoutRect{68, 10, 98, 80}));
    // From entry 0's left to entry 1's right; its bottom on entry 1's bottom.
    EXPECT_EQ(Place(ReferenceCode(kRefStart, 0, 0), ReferenceCode(kRefAlignEnd, 1, 0),
                    ReferenceCode(kRefSizeToEnd, 1, 0), Plain(20)),
              (LayoutRect{100, 90, 260, 110}));
    // What the area leaves behind entry 0.
    EXPECT_EQ(Place(Plain(0), Plain(0), ReferenceCode(kRefAreaRemainder, 0, 0),
                    ReferenceCode(kRefAreaRemainder, 0, -1)),
              (LayoutRect{0, 0, 220, 129}));
}

TEST_F(Layout, CentringUsesTheWidthFromAReference) {
    area = {0, 0, 400, 200};
    earlier = {{100, 50, 180, 70}};
    EXPECT_EQ(Place(PositionCode(kRuleCentre, 8000, 0), Plain(0), ReferenceCode(kRefSize, 0, 0),
                    Plain(5)),
              (LayoutRect{160, 0, 240, 5}));
}

TEST_F(Layout, OnlyAreaRelativeRulesAreShiftedByTheArea) {
    earlier = {{100, 50, 180, 70}};
    const LayoutRect placed =
        Place(ReferenceCode(kRefEnd, 0, 0), Rule(kRuleAfterPreviousStart, 0), Plain(10), Plain(10));
    EXPECT_EQ(placed.left, 180);
    EXPECT_EQ(placed.top, previous.top);
    EXPECT_EQ(placed.top, 7);
}

TEST_F(Layout, ReferenceOutsideTheEarlierEntriesLeavesTheEntry) {
    earlier = {{100, 50, 180, 70}, {200, 80, 260, 110}};
    const PreviousPlacement before = previous;
    LayoutRect placed = {1, 2, 3, 4};
    EXPECT_FALSE(TryPlace(1, ReferenceCode(kRefStart, 1, 0), Plain(5), &placed));
    EXPECT_FALSE(TryPlace(1, ReferenceCode(kRefStart, -2, 0), Plain(5), &placed));
    EXPECT_FALSE(TryPlace(0, Plain(0), ReferenceCode(kRefSize, 0, 0), &placed));
    EXPECT_EQ(placed, (LayoutRect{1, 2, 3, 4}));
    EXPECT_EQ(previous.left, before.left);
    EXPECT_EQ(previous.width, before.width);
    // The fraction bits of other rules are no reference.
    EXPECT_TRUE(TryPlace(0, Plain(0), kWholeExtent, &placed));
    EXPECT_TRUE(TryPlace(2, ReferenceCode(kRefStart, -2, 0), Plain(5), &placed));
    EXPECT_EQ(placed.left, 100);
}

TEST_F(Layout, EmptyAreaLeavesTheEntry) {
    LayoutRect placed = {1, 2, 3, 4};
    area = {10, 20, 10, 220};
    EXPECT_FALSE(TryPlace(0, Plain(0), kWholeExtent, &placed));
    area = {10, 20, 410, 19};
    EXPECT_FALSE(TryPlace(0, Plain(0), kWholeExtent, &placed));
    EXPECT_EQ(placed, (LayoutRect{1, 2, 3, 4}));
}

} // namespace
