#include "settings/setting_values.h"

#include <gtest/gtest.h>

#include <string>

#include "support/error_report.h"

namespace {

struct ValueCase {
    std::wstring value;
    const wchar_t* written;
};

TEST(SettingValues, ValuesAreQuotedWhenTheyMustBeAndReadBackWhole) {
    const std::wstring emoji = sizeof(wchar_t) == 2
                                   ? std::wstring(L"\xD83D\xDE00")
                                   : std::wstring(1, static_cast<wchar_t>(0x1F600));
    const ValueCase cases[] = {
        {L"UTC", L"UTC"},
        {L"C:\\dir\\file.txt", L"\"C:\\\\dir\\\\file.txt\""},
        {L"GMT Standard Time", L"\"GMT Standard Time\""},
        {L"http://example.org", L"\"http://example.org\""},
        {L"", L"\"\""},
        {L"say \"hi\"", L"\"say \\\"hi\\\"\""},
        {L"tab\there\nnext\rline", L"\"tab\\there\\nnext\\rline\""},
        {L"caf\u00e9", L"\"caf\\u00E9\""},
        {emoji, sizeof(wchar_t) == 2 ? L"\"\\uD83D\\uDE00\"" : L"\"\\U0001F600\""},
        {L"a!b,c>d<e|f", L"\"a!b,c>d<e|f\""},
    };
    for (const ValueCase& c : cases) {
        wchar_t written[128];
        ASSERT_GE(FormatSettingValue(c.value.c_str(), false, written, 128), 0);
        EXPECT_STREQ(written, c.written);
        std::wstring text = std::wstring(written) + L";next";
        wchar_t read[128];
        const wchar_t* rest = nullptr;
        EXPECT_EQ(ParseSettingValue(text.c_str(), &rest, read, 128), 0) << written;
        EXPECT_EQ(std::wstring(read), c.value) << written;
        EXPECT_STREQ(rest, L";next");
    }
    wchar_t quoted[16];
    FormatSettingValue(L"UTC", true, quoted, 16);
    EXPECT_STREQ(quoted, L"\"UTC\"");
    EXPECT_EQ(FormatSettingValue(L"far too long for it", false, quoted, 16), -1);
}

TEST(SettingValues, PlainValuesOfEarlierFilesReadAsBefore) {
    const struct {
        const wchar_t* text;
        int result;
        const wchar_t* value;
        const wchar_t* rest;
    } cases[] = {
        {L"UTC;DT24", 0, L"UTC", L";DT24"},
        {L"C:\\dir\\file.txt next", 0, L"C:\\dir\\file.txt", L" next"},
        {L"UTC// comment", 0, L"UTC", L"// comment"},
        {L"\"a\\qb\"", 0, L"a\\qb", L""}, // an unknown escape keeps its backslash
        {L"\"\\u12\"", 0, L"\\u12", L""},
        {L";", 1, L"", L";"},
    };
    for (const auto& c : cases) {
        wchar_t value[64];
        const wchar_t* rest = nullptr;
        EXPECT_EQ(ParseSettingValue(c.text, &rest, value, 64), c.result) << c.text;
        EXPECT_STREQ(value, c.value);
        EXPECT_STREQ(rest, c.rest);
    }
    EXPECT_FALSE(HasPendingError());
}

TEST(SettingValues, BrokenValuesAreReported) {
    wchar_t value[8];
    EXPECT_EQ(ParseSettingValue(L"\"open", nullptr, value, 8), -1);
    EXPECT_STREQ(TakePendingError().message, L"Missing Ending \" for: \"open");
    EXPECT_EQ(ParseSettingValue(L"muchtoolong", nullptr, value, 8), -1);
    EXPECT_STREQ(TakePendingError().message, L"String Length Exceeded: 8 Max");
    EXPECT_STREQ(value, L"muchtoo");
    EXPECT_EQ(ParseSettingValue(L"\"muchtoolong\"", nullptr, value, 8), -1);
    EXPECT_STREQ(TakePendingError().message, L"String Length Exceeded: 8 Max");
}

} // namespace
