// Text in bounds: tokens, escapes and folders of the command language, the
// bounded wide formatter, and lines of UTF-8 files.
#include "support/text_tokens.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "support/bounded_format.h"
#include "support/error_report.h"
#include "support/file_system.h"
#include "support/test_files.h"
#include "support/text_lines.h"
#include "support/utf8_text.h"

namespace {

// The delimiters of command parameters.
const wchar_t kCmd[] = L" \";!,><|\t\n\v\f\r";
const int kQuote = kTokenQuoteRequired, kBackslash = kTokenBackslashQuote;

class TextTokens : public ::testing::Test {
  protected:
    void SetUp() override { TakePendingError(); }
    void TearDown() override { TakePendingError(); }

    static const int kOutSize = 32;
    wchar_t out[kOutSize];
    const wchar_t* next = nullptr;
};

TEST_F(TextTokens, TakesPlainAndQuotedTokensOrReportsWhyNot) {
    // out null: not looked at; next: what is left of the text; error null: none reported.
    // clang-format off
    const struct {
        const wchar_t *text, *delimiters;
        int maxLength, flags, result;
        const wchar_t *out, *next, *error;
    } cases[] = {
        // A plain token ends at the first delimiter, which is consumed, or at the end.
        {L"ab;cd", kCmd, 32, 0, 0, L"ab", L"cd", nullptr},
        {L"a b c", nullptr, 32, 0, 0, L"a b c", L"", nullptr},
        // A character doubled in the set is a two-character delimiter; tripled, both.
        {L"a/b//c;d", L"//;", 32, 0, 0, L"a/b", L"c;d", nullptr},
        // Nothing to take: next stays at the text.
        {L";cd", kCmd, 32, 0, 1, L"", L";cd", nullptr},
        {L"", kCmd, 32, kQuote, 1, L"", L"", nullptr},
        // Quoted tokens keep delimiters and end behind the closing quote.
        {L"\"a b;c\" rest", kCmd, 32, 0, 0, L"a b;c", L" rest", nullptr},
        {L"abc def", kCmd, 32, kQuote, -1, nullptr, L"abc def", L"Missing opening \" for: abc def"},
        {L"\"abc def", kCmd, 32, 0, -1, L"abc def", L"", L"Missing Ending \" for: \"abc def"},
        // \" stays inside a quoted token only when asked; \\ does not escape the quote.
        {L"\"say \\\"hi\\\"\" x", kCmd, 32, kBackslash, 0, L"say \\\"hi\\\"", L" x", nullptr},
        {L"\"say \\\"hi\\\"\" x", kCmd, 32, 0, 0, L"say \\", L"hi\\\"\" x", nullptr},
        // maxLength - 1 characters fit; a longer token is cut, next at the first not copied.
        {L"abcdef;g", kCmd, 4, 0, -1, L"abc", L"def;g", L"String Length Exceeded: 4 Max"},
        {L"\"abcdef\"", kCmd, 3, kQuote, -1, L"ab", L"cdef\"", L"String Length Exceeded: 3 Max"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        SCOPED_TRACE(c.maxLength);
        wmemset(out, L'#', kOutSize); // a write past maxLength shows
        EXPECT_EQ(ParseToken(c.text, &next, out, c.delimiters, c.maxLength, c.flags), c.result);
        if (c.out != nullptr) {
            EXPECT_STREQ(out, c.out);
        }
        EXPECT_EQ(next, c.text + wcslen(c.text) - wcslen(c.next));
        EXPECT_EQ(std::wstring(out + c.maxLength, out + kOutSize),
                  std::wstring(kOutSize - c.maxLength, L'#'));
        if (c.error != nullptr) {
            EXPECT_EQ(std::wstring(TakePendingError().message), c.error);
        }
        EXPECT_FALSE(HasPendingError());
    }
    // Missing text, next and output.
    EXPECT_EQ(ParseToken(nullptr, &next, out, kCmd, kOutSize, 0), 1);
    EXPECT_EQ(ParseToken(L"a b", nullptr, out, nullptr, kOutSize, 0), 0);
    EXPECT_EQ(ParseToken(L"abc", &next, nullptr, kCmd, 8, 0), -1);
    EXPECT_TRUE(HasPendingError());
}

TEST_F(TextTokens, UnescapeTurnsEscapesIntoCharactersWithinItsBound) {
    wchar_t text[64];
    EXPECT_EQ(UnescapeText(L"\\\"q\\\" 50\\% a\\\\b\\n\\r\\t \\x \\", text), 19);
    EXPECT_STREQ(text, L"\"q\" 50% a\\b\n\r\t \\x \\");
    wcscpy(text, L"in\\tplace\\\\"); // reading stays ahead of writing
    EXPECT_EQ(UnescapeText(text, text), 9);
    EXPECT_STREQ(text, L"in\tplace\\");
    const std::wstring longSource(9000, L'x');
    std::wstring destination(9000, L'#');
    EXPECT_EQ(UnescapeText(longSource.c_str(), &destination[0], 9000), 8195);
    EXPECT_EQ(destination[8196], L'#');
    wmemset(text, L'#', 6);
    EXPECT_EQ(UnescapeText(L"a\\nbcdef", text, 5), 4);
    EXPECT_STREQ(text, L"a\nbc");
    EXPECT_EQ(text[5], L'#');
}

TEST_F(TextTokens, FolderOfPathCutsAtTheLastBackslash) {
    // clang-format off
    const struct {
        const wchar_t* path;
        const wchar_t* folder; // null: not cut, left as it was
    } cases[] = {
        {L"C:\\dir\\sub\\file.txt", L"C:\\dir\\sub"}, {L"c:\\file.txt", L"c:\\"},
        {L"\"C:\\x\"", L"\"C:\\\""},
        {L"C:\\", nullptr}, {L"C:file.txt", nullptr}, {L"\\\\server\\share\\f", nullptr},
    };
    // clang-format on
    for (const auto& c : cases) {
        wchar_t path[64];
        wcscpy(path, c.path);
        EXPECT_EQ(FolderOfPath(path), c.folder != nullptr) << c.path;
        EXPECT_STREQ(path, c.folder != nullptr ? c.folder : c.path) << c.path;
    }
    EXPECT_FALSE(FolderOfPath(nullptr));
}

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
    // Once full, nothing more lands behind the cut; a length beyond the buffer is full.
    EXPECT_EQ(AppendText(buffer, 10, length, L"z"), -1);
    length = 40;
    EXPECT_EQ(AppendText(buffer, 10, length, L"c"), -1);
    EXPECT_STREQ(buffer, L"abc1234xy");
    EXPECT_EQ(length, 9);
    length = -3; // before the buffer: starts at 0
    EXPECT_EQ(AppendText(buffer, 10, length, L"xy"), 2);
    EXPECT_STREQ(buffer, L"xy");
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
        FILE* file = OpenFileAt(folder.Path(L"lines.txt").c_str(), "rb");
        ASSERT_NE(file, nullptr);
        std::vector<std::wstring> lines;
        std::vector<wchar_t> line(static_cast<size_t>(c.capacity));
        while (ReadTextLine(file, line.data(), c.capacity))
            lines.push_back(line.data());
        std::fclose(file);
        EXPECT_EQ(lines, c.lines) << c.bytes;
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
