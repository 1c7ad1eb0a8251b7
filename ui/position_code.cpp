#include "ui/position_code.h"

namespace {

enum Field { kX = 0, kY = 1, kWidth = 2, kHeight = 3 };

bool IsHorizontal(int field) {
    return field == kX || field == kWidth;
}

// One field's view of the rectangles it builds on: the start and size along
// its own axis.
struct Axis {
    int areaStart, areaSize;
    int previousStart, previousSize;
    int text;
};

Axis AxisOf(int field, const LayoutRect& area, const PreviousPlacement& previous,
            const LayoutSize& text) {
    if (IsHorizontal(field))
        return {area.left, area.right - area.left, previous.left, previous.width, text.width};
    return {area.top, area.bottom - area.top, previous.top, previous.height, text.height};
}

int Base(const DecodedPosition& d, int extent) {
    return static_cast<int>(d.offset + d.fraction * extent + 0.5);
}

int ReferenceStart(const LayoutRect& r, int field) {
    return IsHorizontal(field) ? r.left : r.top;
}
int ReferenceEnd(const LayoutRect& r, int field) {
    return IsHorizontal(field) ? r.right : r.bottom;
}

// Pass 1: the rules that need none of the control's other fields. Rules
// without a meaning (13, 14, 15 with 12-15) give 0.
int FirstPass(PositionCodeValue code, const DecodedPosition& d, const Axis& a,
              const LayoutRect& ref, int field) {
    const int prevEnd = a.previousStart + a.previousSize;
    switch (d.rule) {
    case kRulePlain:
        return static_cast<int>(code);
    case kRuleBase:
    case kRuleCentre:
        return Base(d, a.areaSize);
    case kRuleAfterPreviousStart:
        return Base(d, a.areaSize) + a.previousStart;
    case kRuleAfterPreviousEnd:
        return Base(d, a.areaSize) + prevEnd;
    case kRuleBeforePreviousStart:
        return Base(d, a.areaSize) - a.previousStart;
    case kRuleBeforePreviousEnd:
        return Base(d, a.areaSize) - prevEnd;
    case kRulePlusText:
        return Base(d, a.areaSize) + a.text;
    case kRuleMinusText:
        return Base(d, a.areaSize) - a.text;
    case kRulePreviousStartPlusText:
        return Base(d, a.areaSize) + a.previousStart + a.text;
    case kRulePreviousEndPlusText:
        return Base(d, a.areaSize) + prevEnd + a.text;
    case kRuleMinusPreviousStartText:
        return Base(d, a.areaSize) - a.previousStart - a.text;
    case kRuleMinusPreviousEndText:
        return Base(d, a.areaSize) - prevEnd - a.text;
    case kRuleReference:
        break;
    default:
        return 0;
    }
    const int start = ReferenceStart(ref, field), end = ReferenceEnd(ref, field);
    switch (d.subRule) {
    case kRefStart:
        return start + d.offset;
    case kRefSize:
        return end - start + d.offset;
    case kRefEnd:
        return end + d.offset;
    case kRefStartPlusText:
        return start + a.text + d.offset;
    case kRefEndPlusText:
        return end + a.text + d.offset;
    case kRefStartMinusText:
        return start - a.text + d.offset;
    case kRefEndMinusText:
        return end - a.text + d.offset;
    default:
        return 0; // computed in the second pass, or no meaning
    }
}

bool NeedsSecondPass(const DecodedPosition& d, int field) {
    if (d.rule == kRuleCentre) return field == kX || field == kY;
    return d.rule == kRuleReference && d.subRule >= kRefSizeToStart &&
           d.subRule <= kRefAreaRemainder;
}

// Pass 2: centring and the reference rules that use the control's own
// position or size as computed so far.
int SecondPass(const DecodedPosition& d, const Axis& a, const LayoutRect& ref, int field,
               const int values[4]) {
    const bool horizontal = IsHorizontal(field);
    const int ownPosition = values[horizontal ? kX : kY];
    const int ownSize = values[horizontal ? kWidth : kHeight];
    if (d.rule == kRuleCentre) return values[field] - ownSize / 2;
    const int start = ReferenceStart(ref, field), end = ReferenceEnd(ref, field);
    switch (d.subRule) {
    case kRefSizeToStart:
        return start - ownPosition + d.offset;
    case kRefBeforeStart:
        return start - ownSize + d.offset;
    case kRefSizeToEnd:
        return end - ownPosition + d.offset;
    case kRefAlignEnd:
        return end - ownSize + d.offset;
    default: // kRefAreaRemainder
        return a.areaSize - end + d.offset;
    }
}

bool RelativeToArea(int rule) {
    return rule == kRulePlain || rule == kRuleBase || rule == kRuleCentre ||
           rule == kRulePlusText || rule == kRuleMinusText;
}

} // namespace

DecodedPosition DecodePosition(PositionCodeValue code) {
    DecodedPosition d;
    d.rule = static_cast<int>(code >> 28);
    d.subRule = static_cast<int>((code >> 24) & 0xF);
    d.offset = static_cast<int>(code & 0x3FFF) - kOffsetBias;
    d.fraction = static_cast<int>((code >> 14) & 0x3FFF) * 0.00625 / 100.0;
    d.reference = static_cast<int>((code >> 14) & 0x3FF) - kReferenceBias;
    return d;
}

bool PositionUsesText(PositionCodeValue code) {
    const DecodedPosition d = DecodePosition(code);
    if (d.rule >= kRulePlusText && d.rule <= kRuleMinusPreviousEndText) return true;
    return d.rule == kRuleReference && d.subRule >= kRefStartPlusText &&
           d.subRule <= kRefEndMinusText;
}

bool ComputeControlRect(const PositionCodeValue codes[4], int index, const LayoutRect& area,
                        const LayoutSources& sources, PreviousPlacement& previous,
                        LayoutRect* placed) {
    if (area.right <= area.left || area.bottom <= area.top) return false;

    DecodedPosition decoded[4];
    LayoutRect refs[4] = {};
    bool needsText = false;
    for (int f = 0; f < 4; ++f) {
        decoded[f] = DecodePosition(codes[f]);
        needsText = needsText || PositionUsesText(codes[f]);
        if (decoded[f].rule != kRuleReference) continue;
        int ref = decoded[f].reference;
        if (ref < 0) ref += index;
        if (ref < 0 || ref >= index) return false;
        refs[f] = sources.earlierRect(ref, sources.context);
    }
    LayoutSize text = {0, 0};
    if (needsText) text = sources.measureText(sources.context);

    int values[4];
    for (int f = 0; f < 4; ++f)
        values[f] = FirstPass(codes[f], decoded[f], AxisOf(f, area, previous, text), refs[f], f);
    for (int f = 0; f < 4; ++f)
        if (NeedsSecondPass(decoded[f], f))
            values[f] = SecondPass(decoded[f], AxisOf(f, area, previous, text), refs[f], f, values);
    if (RelativeToArea(decoded[kX].rule)) values[kX] += area.left;
    if (RelativeToArea(decoded[kY].rule)) values[kY] += area.top;

    placed->left = values[kX];
    placed->top = values[kY];
    placed->right = values[kX] + values[kWidth];
    placed->bottom = values[kY] + values[kHeight];
    previous = {values[kX], values[kY], values[kWidth], values[kHeight]};
    return true;
}
