#include "support/text_tokens.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "support/error_report.h"

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
        {L"p;q", L";;;", 32, 0, 0, L"p", L"q", nullptr},
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
        {L"\"ab\\", nullptr, 32, kBackslash, -1, L"ab\\", L"", L"Missing Ending \" for: \"ab\\"},
        // maxLength - 1 characters fit; a longer token is cut, next at the first not copied.
        {L"abcdef;g", kCmd, 4, 0, -1, L"abc", L"def;g", L"String Length Exceeded: 4 Max"},
        {L"\"abcdef\"", kCmd, 3, kQuote, -1, L"ab", L"cdef\"", L"String Length Exceeded: 3 Max"},
        {L"abc", kCmd, 0, 0, -1, nullptr, L"abc", L"String Length Exceeded: 0 Max"},
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
    // Every command delimiter ends a token; missing text, next and output.
    for (const wchar_t* d = kCmd; *d != L'\0'; ++d) {
        const std::wstring line = std::wstring(L"x1") + *d + L"y";
        ASSERT_EQ(ParseToken(line.c_str(), &next, out, kCmd, kOutSize, 0), 0);
        EXPECT_STREQ(next, L"y");
    }
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
        {L"\"C:\\dir\\file.txt\"", L"\"C:\\dir\""}, {L"\"C:\\x\"", L"\"C:\\\""},
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

} // namespace
