#include "datetime/date_time_format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class DateTimeFormatTest : public ::testing::Test {
  protected:
    // 13:05:09.6 on Wednesday 7 March 2018.
    void SetUp() override { packedDateTime = PackedDateTime{3, 9, 5, 13, 3, 3, 7, 18}; }
    void TearDown() override { dateTimeFormat = kDateTimeFormat12; }

    static std::wstring Format(int flags) {
        int count = FormatDateTime(flags);
        EXPECT_EQ(count, static_cast<int>(std::wstring(DateTimeText()).size()));
        return DateTimeText();
    }
    static std::wstring TimeOfDay(int hour, int minute) {
        BrokenDownTime tm{};
        tm.tm_hour = hour;
        tm.tm_min = minute;
        FormatEventTimeOfDay(tm);
        return DateTimeText();
    }
};

TEST_F(DateTimeFormatTest, PartsInOrderWithBlanksOnlyBetweenThem) {
    EXPECT_EQ(Format(kDateTimeFormat12), L"We 3/7/18 1:05:09 PM");
    EXPECT_EQ(Format(kDateTimeFormat24), L"We 3/7/18 13:05:09");
    dateTimeFormat = kDateTimeFormat24;
    EXPECT_EQ(Format(0), L"We 3/7/18 13:05:09"); // 0 is the current setting
    EXPECT_EQ(Format(0xAF), L"Wednesday 3/7/18 13:05:09.6");
    EXPECT_EQ(Format(0x50), L"We");
    EXPECT_EQ(Format(0x06), L"05:09");
}

// Noon and midnight on both clocks, of the clock and of an event.
TEST_F(DateTimeFormatTest, NoonAndMidnightOnBothClocks) {
    packedDateTime.hour = 0;
    packedDateTime.minute = 30;
    packedDateTime.second = 0;
    EXPECT_EQ(Format(0x1E), L"12:30:00 AM");
    EXPECT_EQ(TimeOfDay(12, 0), L"12:00:00 PM");
    EXPECT_EQ(TimeOfDay(0, 0), L"12:00:00 AM");
    dateTimeFormat = kDateTimeFormat24;
    EXPECT_EQ(TimeOfDay(12, 0), L"12:00:00");
    EXPECT_EQ(TimeOfDay(0, 0), L"0:00:00");
}

TEST_F(DateTimeFormatTest, SundayIsSevenAndOtherNumbersAreUnknown) {
    TimeOfDay(0, 0); // tm_wday 0 is Sunday
    EXPECT_EQ(Format(0x40), L"Su");
    EXPECT_EQ(Format(0x80), L"Sunday");
    packedDateTime.weekday = 0;
    EXPECT_EQ(Format(0x40), L"?");
}

TEST_F(DateTimeFormatTest, NothingVisibleKeepsTheFormerTextAndLongTextIsCut) {
    Format(0x20);
    EXPECT_EQ(FormatDateTime(0x10), 0);
    EXPECT_EQ(FormatDateTime(0x11), 0); // tenths without seconds
    EXPECT_STREQ(DateTimeText(), L"3/7/18");

    // "Wednesday 12/31/99 11:59:59.8 PM" has 32 characters.
    packedDateTime = PackedDateTime{4, 59, 59, 23, 3, 12, 31, 99};
    EXPECT_EQ(Format(0xFF), L"Wednesday 12/31/99 11:59:59.8 P");
    packedDateTime = PackedDateTime{255, 255, 255, 255, 255, 255, 255, 255};
    EXPECT_LE(Format(0xBF).size(), 31u);
}

} // namespace
