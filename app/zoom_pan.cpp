#include "app/zoom_pan.h"

namespace {
int Trunc(double value) {
    return static_cast<int>(value);
}
int AtLeastZero(int value) {
    return value < 0 ? 0 : value;
}
double Width(const ShownRange& range) {
    return (range.last - range.first + 1) - 1.0;
}
} // namespace

RangeChange ZoomIn(const ShownRange& range, double fx) {
    const double w = Width(range);
    RangeChange change{true, 0, 0};
    change.start = AtLeastZero(Trunc(w * fx + range.first - w * 0.25));
    change.end = Trunc(change.start + w * 0.5);
    if (change.end > range.yearLast) {
        change.end = range.yearLast;
        change.start = Trunc(range.yearLast - w * 0.5);
    }
    if (change.start < range.first) change.start = range.first;
    return change;
}

RangeChange ZoomOut(const ShownRange& range, double fx) {
    double w2 = Width(range);
    if (w2 < 1.0) w2 = 1.0;
    RangeChange change{true, 0, 0};
    change.start = AtLeastZero(Trunc(w2 * fx + range.first - w2));
    change.end = Trunc(change.start + 2 * w2);
    if (change.end > range.yearLast) {
        change.end = range.yearLast;
        change.start = AtLeastZero(Trunc(range.yearLast - 2 * w2));
    }
    return change;
}

RangeChange Pan(const ShownRange& range, int dx) {
    RangeChange change{false, range.first, range.last};
    if (dx == 0) return change;
    const double w = Width(range);
    int shift = Trunc(w * dx * 0.003);
    if (dx > 0 && shift < 1) shift = 1;
    if (dx < 0 && shift > -1) shift = -1;
    int start = AtLeastZero(range.first + shift);
    int end = Trunc(start + w);
    if (end > range.yearLast) {
        end = range.yearLast;
        start = AtLeastZero(Trunc(range.yearLast - w));
    }
    if (start < range.first || end > range.last) change = RangeChange{true, start, end};
    return change;
}
