// The [DATETIME] commands; the section itself is read and written with the
// settings file (settings/settings_file_test.cpp).
#include "datetime/date_time_format.h"

#include <gtest/gtest.h>

namespace {

TEST(DateTimeSection, CommandsInAnyCaseWithSeparatorsAndComments) {
    const wchar_t* rest = nullptr;
    EXPECT_EQ(ParseDateTimeCommand(L"dt24", &rest), 3);
    EXPECT_EQ(dateTimeFormat, kDateTimeFormat24);
    EXPECT_EQ(ParseDateTimeCommand(L"  Dt24 ; dT12 // back to AM/PM", &rest), 3);
    EXPECT_EQ(dateTimeFormat, kDateTimeFormat12);
    EXPECT_EQ(*rest, L'\0');
    EXPECT_EQ(ParseDateTimeCommand(L"DT24 SD", &rest), 3);
    EXPECT_STREQ(rest, L"SD"); // left for the next parser

    for (const wchar_t* text : {L"junk", L"DT2", L"D", L""}) {
        EXPECT_EQ(ParseDateTimeCommand(text, &rest), 0);
        EXPECT_EQ(rest, text);
    }
    EXPECT_EQ(dateTimeFormat, kDateTimeFormat24);
    EXPECT_EQ(ParseDateTimeCommand(L"// a comment", &rest), 0);
    EXPECT_EQ(*rest, L'\0');
    dateTimeFormat = kDateTimeFormat12;
}

} // namespace
