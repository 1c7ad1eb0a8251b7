#include "datetime/date_time_format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

class DateTimeSectionTest : public ::testing::Test {
  protected:
    void TearDown() override {
        dateTimeFormat = kDateTimeFormat12;
        dateTimeSectionActive = false;
    }
};

TEST_F(DateTimeSectionTest, CommandsInAnyCaseWithSeparatorsAndComments) {
    const wchar_t* rest = nullptr;
    EXPECT_EQ(ParseDateTimeCommand(L"dt24", &rest), 3);
    EXPECT_EQ(dateTimeFormat, 110);
    EXPECT_EQ(ParseDateTimeCommand(L"  Dt24 ; dT12 // back to AM/PM", &rest), 3);
    EXPECT_EQ(dateTimeFormat, 126);
    EXPECT_EQ(*rest, L'\0');
    EXPECT_EQ(ParseDateTimeCommand(L"DT24 SD", &rest), 3);
    EXPECT_STREQ(rest, L"SD"); // left for the next parser

    const wchar_t* const others[] = {L"junk", L"DT2", L"D", L""};
    for (const wchar_t* text : others) {
        EXPECT_EQ(ParseDateTimeCommand(text, &rest), 0);
        EXPECT_EQ(rest, text);
    }
    EXPECT_EQ(dateTimeFormat, 110);
    EXPECT_EQ(ParseDateTimeCommand(L"// a comment", &rest), 0);
    EXPECT_EQ(*rest, L'\0');
}

TEST_F(DateTimeSectionTest, SectionHeadersSwitchTheReaderOnAndOff) {
    const wchar_t* rest = nullptr;
    const wchar_t command[] = L"DT24";
    EXPECT_EQ(ReadDateTimeSectionLine(command, &rest), 0);
    EXPECT_EQ(rest, command); // before the section: not read
    EXPECT_EQ(dateTimeFormat, 126);

    ReadDateTimeSectionLine(L"  [datetime]  DT24", &rest);
    EXPECT_STREQ(rest, L"DT24");
    EXPECT_EQ(ReadDateTimeSectionLine(command, &rest), 0);
    EXPECT_EQ(dateTimeFormat, 110);
    EXPECT_EQ(*rest, L'\0');

    const wchar_t other[] = L"[OPTIONS]";
    ReadDateTimeSectionLine(other, &rest);
    EXPECT_EQ(rest, other);
    ReadDateTimeSectionLine(L"DT12", &rest);
    EXPECT_EQ(dateTimeFormat, 110);
}

TEST_F(DateTimeSectionTest, WriterSavesTheClockSetting) {
    const char* folder = std::getenv("TMPDIR");
    if (folder == nullptr) folder = std::getenv("TEMP");
    const std::string path = std::string(folder ? folder : "/tmp") + "/zelmora_datetime_" +
                             std::to_string(std::random_device{}()) + ".ini";
    for (int format : {kDateTimeFormat12, kDateTimeFormat24}) {
        dateTimeFormat = format;
        FILE* file = std::fopen(path.c_str(), "w");
        ASSERT_NE(file, nullptr) << path;
        WriteDateTimeSection(file);
        std::fclose(file);
        char text[64] = {};
        file = std::fopen(path.c_str(), "r");
        ASSERT_NE(file, nullptr);
        text[std::fread(text, 1, sizeof text - 1, file)] = '\0';
        std::fclose(file);
        EXPECT_STREQ(text,
                     format == kDateTimeFormat12 ? "[DATETIME]\nDT12\n\n" : "[DATETIME]\nDT24\n\n");
    }
    std::remove(path.c_str());
    WriteDateTimeSection(nullptr);
}

} // namespace
