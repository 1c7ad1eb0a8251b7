#include "app/zoom_pan.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

enum Gesture { kZoomIn, kZoomOut, kPan };

// A click at a fraction of the plot's width, or a drag by pixels.
TEST(ZoomPan, ClicksHalveOrDoubleTheRangeAndDragsShiftItWithinTheYear) {
    const struct {
        const char* what;
        Gesture gesture;
        ShownRange shown;
        double at;
        bool apply;
        int start, end;
    } cases[] = {
        {"in: half the year around the middle", kZoomIn, {0, 364, 364}, 0.5, true, 91, 273},
        {"in at the right edge of a leap year", kZoomIn, {300, 365, 365}, 0.99, true, 332, 365},
        {"in never starts before the range", kZoomIn, {100, 103, 364}, 0.0, true, 100, 100},
        {"in on one day stays", kZoomIn, {150, 150, 364}, 0.7, true, 150, 150},
        {"out doubles", kZoomOut, {100, 200, 364}, 0.5, true, 50, 250},
        {"out stops at 31 December", kZoomOut, {300, 364, 364}, 1.0, true, 236, 364},
        // 9 days * 1 pixel * 0.003 truncates to 0: still one day.
        {"one pixel: one day later", kPan, {100, 109, 364}, 1, true, 101, 110},
        {"a long drag moves in proportion", kPan, {100, 200, 364}, 50, true, 115, 215},
        {"partly against 1 January", kPan, {2, 52, 364}, -400, true, 0, 50},
        {"against 1 January", kPan, {0, 50, 364}, -10, false, 0, 50},
        {"against 31 December", kPan, {300, 364, 364}, 10, false, 300, 364},
        {"the whole year", kPan, {0, 364, 364}, 40, false, 0, 364},
    };
    for (const auto& c : cases) {
        const RangeChange change = c.gesture == kZoomIn    ? ZoomIn(c.shown, c.at)
                                   : c.gesture == kZoomOut ? ZoomOut(c.shown, c.at)
                                                           : Pan(c.shown, static_cast<int>(c.at));
        EXPECT_EQ(std::make_tuple(change.apply, change.start, change.end),
                  std::make_tuple(c.apply, c.start, c.end))
            << c.what;
    }
}

} // namespace
