#include "ui/status_dots.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

std::wstring LineAfter(StatusDots& dots, uint32_t tick, const wchar_t* text = L"") {
    AdvanceStatusDots(dots, tick);
    wchar_t line[kStatusChars];
    FormatStatusLine(line, kStatusChars, text, dots.counter);
    return line;
}

TEST(StatusDots, OnePointMorePerSecondThenBackToOne) {
    StatusDots dots = kNoDotsYet;
    EXPECT_EQ(LineAfter(dots, 70000), L".");
    EXPECT_EQ(LineAfter(dots, 70999), L".");
    EXPECT_EQ(LineAfter(dots, 71000), L"..");
    EXPECT_EQ(LineAfter(dots, 72500), L"...");
    EXPECT_EQ(LineAfter(dots, 73500), L"....");
    EXPECT_EQ(LineAfter(dots, 74500), L".....");
    EXPECT_EQ(LineAfter(dots, 75500), L".");
    EXPECT_EQ(LineAfter(dots, 76500, L"Computing"), L"Computing..");
}

TEST(StatusDots, ReportsWhetherTheCounterAdvanced) {
    StatusDots dots = kNoDotsYet;
    EXPECT_EQ(AdvanceStatusDots(dots, 5), 1); // the first reading always advances
    EXPECT_EQ(dots.counter, 1);
    EXPECT_EQ(dots.stamp, 5);
    EXPECT_EQ(AdvanceStatusDots(dots, 1004), 0);
    EXPECT_EQ(dots.stamp, 5);
    EXPECT_EQ(AdvanceStatusDots(dots, 1005), 1);
    EXPECT_EQ(dots.stamp, 1005);
}

TEST(StatusDots, TheTenDayWrapDoesNotStopThePoints) {
    StatusDots dots = {3, kDotsTickWrap - 400};
    // 864000200 is 200 after the wrap: only 600 ms passed.
    EXPECT_EQ(AdvanceStatusDots(dots, kDotsTickWrap + 200), 0);
    EXPECT_EQ(AdvanceStatusDots(dots, kDotsTickWrap + 600), 1);
    EXPECT_EQ(dots.counter, 4);
    EXPECT_EQ(dots.stamp, 600);
    // The 32-bit tick count wraps too (0xFFFFFFFF reads as 838967295); a
    // reading below the stamp counts as a wrap, so the points go on.
    dots = {1, 838967000};
    EXPECT_EQ(AdvanceStatusDots(dots, 0xFFFFFFFFu), 0);
    EXPECT_EQ(AdvanceStatusDots(dots, 512), 1);
    EXPECT_EQ(dots.stamp, 512);
}

TEST(StatusDots, CounterOutsideOneToFiveStartsAgain) {
    StatusDots dots = {-7, -1};
    AdvanceStatusDots(dots, 0);
    EXPECT_EQ(dots.counter, 1);
    dots = {42, 0};
    AdvanceStatusDots(dots, 2000);
    EXPECT_EQ(dots.counter, 1);
}

TEST(StatusDots, LongTextIsCutToTheLine) {
    std::wstring text(kStatusChars - 3, L'x');
    wchar_t line[kStatusChars];
    EXPECT_EQ(FormatStatusLine(line, kStatusChars, text.c_str(), 2), kStatusChars - 1);
    EXPECT_EQ(FormatStatusLine(line, kStatusChars, text.c_str(), 5), -1);
    EXPECT_EQ(wcslen(line), static_cast<size_t>(kStatusChars - 1));
    EXPECT_EQ(std::wstring(line).substr(kStatusChars - 3), L"..");
}

} // namespace
