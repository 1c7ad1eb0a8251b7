#include "support/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/file_system.h"
#include "support/test_files.h"
#include "support/utf8_text.h"

namespace {

std::vector<std::wstring> ReadAll(const std::wstring& path, int capacity) {
    std::vector<std::wstring> lines;
    FILE* file = OpenFileAt(path.c_str(), "rb");
    if (file == nullptr) return lines;
    std::vector<wchar_t> line(static_cast<size_t>(capacity));
    while (ReadTextLine(file, line.data(), capacity))
        lines.push_back(line.data());
    std::fclose(file);
    return lines;
}

TEST(TextLines, AnyBytesReadAsBoundedLines) {
    ScratchFolder folder;
    const struct {
        std::string bytes;
        int capacity;
        std::vector<std::wstring> lines;
    } cases[] = {
        {"one\ntwo", 64, {L"one\n", L"two"}},
        {"\xEF\xBB\xBFmark\n", 64, {L"mark\n"}},
        {"caf\xC3\xA9 \xE2\x82\xAC\n", 64, {L"caf\u00e9 \u20ac\n"}},
        {"bad \xFF\xC3(\n", 64, {L"bad \u00ff\u00c3(\n"}},
        {std::string("nul\0byte\n", 9), 64, {L"nulbyte\n"}},
        {"abcdefghij", 8, {L"abcd", L"efgh", L"ij"}},
        {"ab\xE2\x82\xAC"
         "cdef",
         7,
         {L"ab\u20ac", L"cde", L"f"}}, // a character stays whole
    };
    for (const auto& c : cases) {
        folder.Write(L"lines.txt", c.bytes);
        EXPECT_EQ(ReadAll(folder.Path(L"lines.txt"), c.capacity), c.lines) << c.bytes;
    }
}

TEST(TextLines, WideTextIsWrittenAsUtf8) {
    ScratchFolder folder;
    FILE* file = OpenFileAt(folder.Path(L"out.txt").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(WriteTextUtf8(file, L"caf\u00e9 \u20ac"));
    std::fclose(file);
    EXPECT_EQ(folder.Read(L"out.txt"), "caf\xC3\xA9 \xE2\x82\xAC");

    char bytes[4];
    EXPECT_EQ(EncodeUtf8(L"\u20ac", bytes, 4), 3);
    EXPECT_EQ(EncodeUtf8(L"a\u20ac", bytes, 4), -1);
    EXPECT_STREQ(bytes, "a"); // never a cut character
}

} // namespace
