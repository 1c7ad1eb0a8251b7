#include "support/bounded_format.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

TEST(BoundedFormat, WritesAndCountsWhenTheTextFits) {
    wchar_t buffer[32];
    EXPECT_EQ(FormatText(buffer, 32, L"%ls=%d %.2f", L"lat", 40, 1.5), 11);
    EXPECT_STREQ(buffer, L"lat=40 1.50");
}

TEST(BoundedFormat, CutsTerminatesAndReportsOverflow) {
    wchar_t buffer[8];
    for (wchar_t& c : buffer)
        c = L'#';
    EXPECT_EQ(FormatText(buffer, 5, L"%ls", L"abcdefgh"), -1);
    EXPECT_STREQ(buffer, L"abcd");
    EXPECT_EQ(buffer[5], L'#'); // nothing written past the given size
    EXPECT_EQ(FormatText(buffer, 5, L"abcd"), 4);
    EXPECT_EQ(FormatText(buffer, 1, L"x"), -1);
    EXPECT_STREQ(buffer, L"");
    EXPECT_EQ(FormatText(buffer, 0, L"x"), -1);
    EXPECT_EQ(FormatText(nullptr, 5, L"x"), -1);
    EXPECT_EQ(FormatText(buffer, 8, nullptr), 0);
    EXPECT_STREQ(buffer, L"");
}

TEST(BoundedFormat, AppendStopsCleanlyWhenTheBufferIsFull) {
    wchar_t buffer[10];
    int length = 0;
    EXPECT_EQ(AppendText(buffer, 10, length, L"%ls", L"abc"), 3);
    EXPECT_EQ(AppendText(buffer, 10, length, L"%d", 1234), 4);
    EXPECT_EQ(length, 7);
    EXPECT_EQ(AppendText(buffer, 10, length, L"%ls", L"xyz"), -1);
    EXPECT_STREQ(buffer, L"abc1234xy");
    EXPECT_EQ(length, 9);
    // Once full, nothing more lands behind the cut, not even a short piece.
    EXPECT_EQ(AppendText(buffer, 10, length, L"z"), -1);
    EXPECT_EQ(length, 9);
    EXPECT_STREQ(buffer, L"abc1234xy");
}

TEST(BoundedFormat, AppendNeverMovesBackwardsFromABadLength) {
    wchar_t buffer[6] = L"ab";
    int length = 40; // beyond the buffer: treated as full
    EXPECT_EQ(AppendText(buffer, 6, length, L"c"), -1);
    EXPECT_EQ(length, 5);
    length = -3; // before the buffer: starts at 0
    EXPECT_EQ(AppendText(buffer, 6, length, L"xy"), 2);
    EXPECT_STREQ(buffer, L"xy");
}

TEST(BoundedFormat, CopyTextCutsLongSources) {
    wchar_t buffer[4];
    EXPECT_EQ(CopyText(buffer, 4, L"abc"), 3);
    EXPECT_EQ(CopyText(buffer, 4, L"abcdef"), -1);
    EXPECT_STREQ(buffer, L"abc");
    EXPECT_EQ(CopyText(buffer, 4, nullptr), 0);
    EXPECT_STREQ(buffer, L"");
}
