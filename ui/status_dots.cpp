#include "ui/status_dots.h"

#include "support/bounded_format.h"

int AdvanceStatusDots(StatusDots& dots, uint32_t tickCount) {
    const int64_t now = tickCount % kDotsTickWrap;
    if (dots.stamp >= 0) {
        int64_t elapsed = now - dots.stamp;
        if (elapsed < 0) elapsed += kDotsTickWrap;
        if (elapsed < kDotsStepMs) return 0;
    }
    dots.stamp = now;
    ++dots.counter;
    if (dots.counter < 1 || dots.counter > kMaxDots) dots.counter = 1;
    return 1;
}

int FormatStatusLine(wchar_t* line, int capacity, const wchar_t* text, int counter) {
    static const wchar_t* const kPoints[kMaxDots] = {L".", L"..", L"...", L"....", L"....."};
    if (counter < 1 || counter > kMaxDots) counter = 1;
    return FormatText(line, capacity, L"%ls%ls", text, kPoints[counter - 1]);
}
