#include "support/bounded_format.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

TEST(BoundedFormat, WritesWhatFitsCutsTheRestAndNeverPastTheSize) {
    wchar_t buffer[8];
    EXPECT_EQ(FormatText(buffer, 8, L"%ls=%d", L"lat", 40), 6);
    EXPECT_STREQ(buffer, L"lat=40");
    std::wmemset(buffer, L'#', 8);
    EXPECT_EQ(FormatText(buffer, 5, L"%ls", L"abcdefgh"), -1);
    EXPECT_STREQ(buffer, L"abcd");
    EXPECT_EQ(buffer[5], L'#');
    EXPECT_EQ(FormatText(buffer, 1, L"x"), -1);
    EXPECT_STREQ(buffer, L"");
    EXPECT_EQ(FormatText(nullptr, 5, L"x"), -1);
    EXPECT_EQ(CopyText(buffer, 4, L"abcdef"), -1);
    EXPECT_STREQ(buffer, L"abc");
    EXPECT_EQ(CopyText(buffer, 4, nullptr), 0);
    EXPECT_STREQ(buffer, L"");
}

TEST(BoundedFormat, AppendStopsCleanlyWhenTheBufferIsFull) {
    wchar_t buffer[10];
    int length = 0;
    EXPECT_EQ(AppendText(buffer, 10, length, L"%ls", L"abc"), 3);
    EXPECT_EQ(AppendText(buffer, 10, length, L"%d", 1234), 4);
    EXPECT_EQ(AppendText(buffer, 10, length, L"%ls", L"xyz"), -1);
    EXPECT_STREQ(buffer, L"abc1234xy");
    EXPECT_EQ(length, 9);
    // Once full, nothing more lands behind the cut, not even a short piece.
    EXPECT_EQ(AppendText(buffer, 10, length, L"z"), -1);
    EXPECT_STREQ(buffer, L"abc1234xy");
    length = 40; // beyond the buffer: treated as full
    EXPECT_EQ(AppendText(buffer, 10, length, L"c"), -1);
    EXPECT_EQ(length, 9);
    length = -3; // before the buffer: starts at 0
    EXPECT_EQ(AppendText(buffer, 10, length, L"xy"), 2);
    EXPECT_STREQ(buffer, L"xy");
}
