// The animated points behind the status line: one to five points, one more
// every second, so an idle status line still shows that the program is alive.
#pragma once

#include <cstdint>

enum {
    kStatusChars = 300,        // status text and status line, terminator included
    kDotsTickWrap = 864000000, // tick counts are taken modulo ten days
    kDotsStepMs = 1000,
    kMaxDots = 5,
};

struct StatusDots {
    int counter;   // 1 to 5
    int64_t stamp; // tick (modulo kDotsTickWrap) of the last advance, -1 before the first
};

// A fresh counter: the first advance shows one point.
constexpr StatusDots kNoDotsYet = {0, -1};

// Advances the counter when there is no stamp yet or at least a second passed
// since it; a reading below the stamp means the tick count wrapped. Returns 1
// when the counter advanced, else 0.
int AdvanceStatusDots(StatusDots& dots, uint32_t tickCount);

// Builds the status line: the status text followed by the counter's points.
// Returns the length, or -1 when the line was cut to fit.
int FormatStatusLine(wchar_t* line, int capacity, const wchar_t* text, int counter);
