// Coded control positions: each of a control's x, y, width and height is one
// 32-bit code that says how to compute it from the layout area, the control
// placed before it, its own text size or an earlier control of the same table.
//
//   bits 28-31  rule
//   bits 0-13   offset + 8192
//   bits 14-27  fraction of the area's extent, 16000 = the whole extent
//   rule 15:    bits 24-27 sub-rule, bits 14-23 reference + 512 (a control
//               index; negative counts back from the current control)
#pragma once

#include <cstdint>

typedef uint32_t PositionCodeValue;

enum PositionRule {
    kRulePlain = 0,                   // the code itself is the value
    kRuleBase = 1,                    // offset + fraction x extent
    kRuleCentre = 2,                  // base is the centre of x or y
    kRuleAfterPreviousStart = 3,      // base + previous left (top)
    kRuleAfterPreviousEnd = 4,        // base + previous right (bottom)
    kRuleBeforePreviousStart = 5,     // base - previous left (top)
    kRuleBeforePreviousEnd = 6,       // base - previous right (bottom)
    kRulePlusText = 7,                // base + text
    kRuleMinusText = 8,               // base - text
    kRulePreviousStartPlusText = 9,   // base + previous left + text
    kRulePreviousEndPlusText = 10,    // base + previous right + text
    kRuleMinusPreviousStartText = 11, // base - previous left - text
    kRuleMinusPreviousEndText = 12,   // base - previous right - text
    kRuleReference = 15,              // built on an earlier control (sub-rules below)
};

enum ReferenceRule {
    kRefStart = 0,          // reference left (top) + offset
    kRefSize = 1,           // reference width (height) + offset
    kRefEnd = 2,            // reference right (bottom) + offset
    kRefStartPlusText = 3,  // reference left + text + offset
    kRefEndPlusText = 4,    // reference right + text + offset
    kRefStartMinusText = 5, // reference left - text + offset
    kRefEndMinusText = 6,   // reference right - text + offset
    kRefSizeToStart = 7,    // reference left - own x + offset
    kRefBeforeStart = 8,    // reference left - own width + offset
    kRefSizeToEnd = 9,      // reference right - own x + offset
    kRefAlignEnd = 10,      // reference right - own width + offset
    kRefAreaRemainder = 11, // area width - reference right + offset
};

enum {
    kFractionWhole = 16000, // fraction field of the whole extent
    kOffsetBias = 8192,
    kReferenceBias = 512,
};

// Builds a code of rules 0-12: `fraction` is the field value (16000 = whole).
constexpr PositionCodeValue PositionCode(int rule, int fraction, int offset) {
    return (static_cast<PositionCodeValue>(rule & 0xF) << 28) |
           (static_cast<PositionCodeValue>(fraction & 0x3FFF) << 14) |
           static_cast<PositionCodeValue>((offset + kOffsetBias) & 0x3FFF);
}

// Builds a rule 15 code: sub-rule, control reference (index, or negative to
// count back from the current control) and offset.
constexpr PositionCodeValue ReferenceCode(int subRule, int reference, int offset) {
    return (static_cast<PositionCodeValue>(kRuleReference) << 28) |
           (static_cast<PositionCodeValue>(subRule & 0xF) << 24) |
           (static_cast<PositionCodeValue>((reference + kReferenceBias) & 0x3FF) << 14) |
           static_cast<PositionCodeValue>((offset + kOffsetBias) & 0x3FFF);
}

// The whole extent of the area: rule 1, fraction 16000, offset 0.
constexpr PositionCodeValue kWholeExtent = PositionCode(kRuleBase, kFractionWhole, 0);
static_assert(kWholeExtent == 0x1FA02000, "whole-area code");

struct DecodedPosition {
    int rule;
    int subRule; // rule 15 only
    int offset;
    double fraction;
    int reference; // as coded: negative counts back
};

DecodedPosition DecodePosition(PositionCodeValue code);

// True when the code's value depends on the control's own text size.
bool PositionUsesText(PositionCodeValue code);

struct LayoutRect {
    int left, top, right, bottom;
};

struct LayoutSize {
    int width, height;
};

// The control placed last by any layout: its left, top, width and height.
struct PreviousPlacement {
    int left, top, width, height;
};

// What a layout needs beyond the codes. `earlierRect(i)` returns the
// rectangle of entry i of the same table (only called for 0 <= i < index);
// `measureText` returns the size of the control's own text in its font and is
// called at most once, and only when a code needs it.
struct LayoutSources {
    LayoutRect (*earlierRect)(int index, void* context);
    LayoutSize (*measureText)(void* context);
    void* context;
};

// Computes the rectangle of entry `index` from its codes (x, y, width,
// height) in `area`. On success stores it in *placed, remembers it as
// `previous` and returns true. An empty area, or a reference outside
// 0..index-1, returns false and leaves both untouched.
bool ComputeControlRect(const PositionCodeValue codes[4], int index, const LayoutRect& area,
                        const LayoutSources& sources, PreviousPlacement& previous,
                        LayoutRect* placed);
