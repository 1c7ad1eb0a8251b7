#include "ui/status_dots.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

// One reading of the tick count from the given dots.
TEST(StatusDots, OnePointMorePerSecondFromOneToFiveAcrossTheWraps) {
    const struct {
        const char* what;
        StatusDots before;
        uint32_t tick;
        int advanced, counter;
        int64_t stamp;
    } cases[] = {
        {"the first reading always advances", kNoDotsYet, 5, 1, 1, 5},
        {"within the second", {1, 5}, 1004, 0, 1, 5},
        {"a second later", {1, 5}, 1005, 1, 2, 1005},
        {"after five points, one", {5, 1005}, 2500, 1, 1, 2500},
        {"a counter above five starts again", {42, 0}, 2000, 1, 1, 2000},
        // Ticks are taken modulo ten days: 600 after the wrap is a second later.
        {"ten days", {3, kDotsTickWrap - 400}, kDotsTickWrap + 600, 1, 4, 600},
        // 0xFFFFFFFF reads as 838967295; a reading below the stamp is a wrap.
        {"32 bits: before", {1, 838967000}, 0xFFFFFFFFu, 0, 1, 838967000},
        {"32 bits: after", {1, 838967000}, 512, 1, 2, 512},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StatusDots dots = c.before;
        EXPECT_EQ(AdvanceStatusDots(dots, c.tick), c.advanced);
        EXPECT_EQ(dots.counter, c.counter);
        EXPECT_EQ(dots.stamp, c.stamp);
    }
}

TEST(StatusDots, TheLineIsTheTextAndItsPointsCutToFit) {
    wchar_t line[kStatusChars];
    EXPECT_EQ(FormatStatusLine(line, kStatusChars, L"Computing", 2), 11);
    EXPECT_STREQ(line, L"Computing..");
    const std::wstring text(kStatusChars - 3, L'x');
    EXPECT_EQ(FormatStatusLine(line, kStatusChars, text.c_str(), 2), kStatusChars - 1);
    EXPECT_EQ(FormatStatusLine(line, kStatusChars, text.c_str(), 5), -1);
    EXPECT_EQ(wcslen(line), static_cast<size_t>(kStatusChars - 1));
    EXPECT_EQ(std::wstring(line).substr(kStatusChars - 3), L"..");
}

} // namespace
