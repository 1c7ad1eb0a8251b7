#include "support/text_tokens.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "support/error_report.h"

namespace {

// The delimiters of command parameters.
const wchar_t kCommandDelimiters[] = L" \";!,><|\t\n\v\f\r";

class TextTokens : public ::testing::Test {
  protected:
    void SetUp() override { TakePendingError(); }
    void TearDown() override { TakePendingError(); }

    static std::wstring TakeMessage() { return TakePendingError().message; }

    // Fills the whole output array so that a write past maxLength shows.
    void Fill() { wmemset(out, L'#', kOutSize); }
    bool UntouchedFrom(int index) const {
        for (int i = index; i < kOutSize; ++i)
            if (out[i] != L'#') return false;
        return true;
    }

    static const int kOutSize = 32;
    wchar_t out[kOutSize];
    const wchar_t* next = nullptr;
};

TEST_F(TextTokens, PlainTokenEndsAtTheFirstCommandDelimiterWhichIsConsumed) {
    const wchar_t* text = L"ab;cd";
    EXPECT_EQ(ParseToken(text, &next, out, kCommandDelimiters, kOutSize, 0), 0);
    EXPECT_STREQ(out, L"ab");
    EXPECT_EQ(next, text + 3);

    // Every command delimiter ends a token; the last token runs to the end.
    for (const wchar_t* d = kCommandDelimiters; *d != L'\0'; ++d) {
        std::wstring line = std::wstring(L"x1") + *d + L"y";
        ASSERT_EQ(ParseToken(line.c_str(), &next, out, kCommandDelimiters, kOutSize, 0), 0);
        EXPECT_STREQ(out, L"x1");
        EXPECT_STREQ(next, L"y");
    }
    text = L"last";
    EXPECT_EQ(ParseToken(text, &next, out, kCommandDelimiters, kOutSize, 0), 0);
    EXPECT_STREQ(out, L"last");
    EXPECT_EQ(next, text + 4);
    EXPECT_EQ(ParseToken(L"a b c", nullptr, out, nullptr, kOutSize, 0), 0); // no delimiters
    EXPECT_STREQ(out, L"a b c");
    EXPECT_FALSE(HasPendingError());
}

TEST_F(TextTokens, DoubledCharacterInTheSetIsATwoCharacterDelimiter) {
    const wchar_t* text = L"a/b//c;d";
    EXPECT_EQ(ParseToken(text, &next, out, L"//;", kOutSize, 0), 0);
    EXPECT_STREQ(out, L"a/b");
    EXPECT_STREQ(next, L"c;d");
    EXPECT_EQ(ParseToken(next, &next, out, L"//;", kOutSize, 0), 0);
    EXPECT_STREQ(out, L"c");
    EXPECT_STREQ(next, L"d");
    // A tripled character is the pair and the single character.
    EXPECT_EQ(ParseToken(L"p;q", &next, out, L";;;", kOutSize, 0), 0);
    EXPECT_STREQ(out, L"p");
}

TEST_F(TextTokens, NothingToTakeLeavesNextAtTheText) {
    const wchar_t* text = L";cd";
    Fill();
    EXPECT_EQ(ParseToken(text, &next, out, kCommandDelimiters, kOutSize, 0), 1);
    EXPECT_EQ(next, text);
    EXPECT_STREQ(out, L"");
    EXPECT_EQ(ParseToken(L"", &next, out, kCommandDelimiters, kOutSize, 0), 1);
    EXPECT_EQ(ParseToken(nullptr, &next, out, kCommandDelimiters, kOutSize, 0), 1);
    EXPECT_STREQ(next, L"");
    EXPECT_EQ(ParseToken(L"", &next, out, kCommandDelimiters, kOutSize, kTokenQuoteRequired), 1);
    EXPECT_FALSE(HasPendingError());
}

TEST_F(TextTokens, QuotedTokenKeepsDelimitersAndEndsBehindTheClosingQuote) {
    const wchar_t* text = L"\"a b;c\" rest";
    EXPECT_EQ(ParseToken(text, &next, out, kCommandDelimiters, kOutSize, 0), 0);
    EXPECT_STREQ(out, L"a b;c");
    EXPECT_STREQ(next, L" rest");
    EXPECT_EQ(ParseToken(L"\"\";", &next, out, kCommandDelimiters, kOutSize, kTokenQuoteRequired),
              0);
    EXPECT_STREQ(out, L"");
    EXPECT_STREQ(next, L";");
    EXPECT_FALSE(HasPendingError());
}

TEST_F(TextTokens, MissingQuotesAreReported) {
    const wchar_t* text = L"abc def";
    EXPECT_EQ(ParseToken(text, &next, out, kCommandDelimiters, kOutSize, kTokenQuoteRequired), -1);
    EXPECT_EQ(next, text);
    EXPECT_EQ(TakeMessage(), L"Missing opening \" for: abc def");

    text = L"\"abc def";
    EXPECT_EQ(ParseToken(text, &next, out, kCommandDelimiters, kOutSize, 0), -1);
    EXPECT_STREQ(out, L"abc def");
    EXPECT_EQ(next, text + wcslen(text));
    EXPECT_EQ(TakeMessage(), L"Missing Ending \" for: \"abc def");
}

TEST_F(TextTokens, BackslashQuoteStaysInsideTheTokenOnlyWhenAsked) {
    const wchar_t* text = L"\"say \\\"hi\\\"\" x"; // "say \"hi\"" x
    EXPECT_EQ(ParseToken(text, &next, out, kCommandDelimiters, kOutSize, kTokenBackslashQuote), 0);
    EXPECT_STREQ(out, L"say \\\"hi\\\"");
    EXPECT_STREQ(next, L" x");
    EXPECT_EQ(ParseToken(text, &next, out, kCommandDelimiters, kOutSize, 0), 0);
    EXPECT_STREQ(out, L"say \\");
    EXPECT_STREQ(next, L"hi\\\"\" x");

    // An escaped backslash does not escape the quote behind it.
    EXPECT_EQ(ParseToken(L"\"a\\\\\" b", &next, out, nullptr, kOutSize, kTokenBackslashQuote), 0);
    EXPECT_STREQ(out, L"a\\\\");
    EXPECT_STREQ(next, L" b");

    // A backslash just before the end of the text is not read past.
    EXPECT_EQ(ParseToken(L"\"ab\\", &next, out, nullptr, kOutSize, kTokenBackslashQuote), -1);
    EXPECT_STREQ(out, L"ab\\");
    EXPECT_STREQ(next, L"");
    EXPECT_EQ(TakeMessage(), L"Missing Ending \" for: \"ab\\");
}

TEST_F(TextTokens, OverlongTokenIsCutAndNextPointsAtTheFirstCharacterNotCopied) {
    const wchar_t* text = L"abcdef;g";
    Fill();
    EXPECT_EQ(ParseToken(text, &next, out, kCommandDelimiters, 4, 0), -1);
    EXPECT_STREQ(out, L"abc");
    EXPECT_EQ(next, text + 3);
    EXPECT_TRUE(UntouchedFrom(4));
    EXPECT_EQ(TakeMessage(), L"String Length Exceeded: 4 Max");

    // maxLength - 1 characters fit.
    EXPECT_EQ(ParseToken(L"abc;", &next, out, kCommandDelimiters, 4, 0), 0);
    EXPECT_STREQ(out, L"abc");
    EXPECT_STREQ(next, L"");

    text = L"\"abcdef\"";
    Fill();
    EXPECT_EQ(ParseToken(text, &next, out, kCommandDelimiters, 3, kTokenQuoteRequired), -1);
    EXPECT_STREQ(out, L"ab");
    EXPECT_EQ(next, text + 3);
    EXPECT_TRUE(UntouchedFrom(3));
    EXPECT_EQ(TakeMessage(), L"String Length Exceeded: 3 Max");
}

TEST_F(TextTokens, TinyOrMissingOutputBuffersAreNeverWrittenPast) {
    const wchar_t* text = L"abc";
    Fill();
    EXPECT_EQ(ParseToken(text, &next, out, kCommandDelimiters, 1, 0), -1);
    EXPECT_STREQ(out, L"");
    EXPECT_EQ(next, text);
    EXPECT_TRUE(UntouchedFrom(1));
    EXPECT_EQ(TakeMessage(), L"String Length Exceeded: 1 Max");
    EXPECT_EQ(ParseToken(L"\"a\"", &next, out, kCommandDelimiters, 1, 0), -1);
    EXPECT_EQ(TakeMessage(), L"String Length Exceeded: 1 Max");

    Fill();
    EXPECT_EQ(ParseToken(text, &next, out, kCommandDelimiters, 0, 0), -1);
    EXPECT_TRUE(UntouchedFrom(0));
    EXPECT_EQ(next, text);
    EXPECT_EQ(TakeMessage(), L"String Length Exceeded: 0 Max");
    EXPECT_EQ(ParseToken(text, &next, nullptr, kCommandDelimiters, 8, 0), -1);
    EXPECT_TRUE(HasPendingError());
}

TEST_F(TextTokens, UnescapeTurnsEscapesIntoCharacters) {
    wchar_t text[64];
    const wchar_t* source = L"\\\"q\\\" 50\\% a\\\\b\\n\\r\\t \\x \\";
    EXPECT_EQ(UnescapeText(source, text), 19);
    EXPECT_STREQ(text, L"\"q\" 50% a\\b\n\r\t \\x \\");

    wcscpy(text, L"in\\tplace\\\\"); // reading stays ahead of writing
    EXPECT_EQ(UnescapeText(text, text), 9);
    EXPECT_STREQ(text, L"in\tplace\\");

    EXPECT_EQ(UnescapeText(nullptr, text), 0);
    EXPECT_STREQ(text, L"");
    EXPECT_EQ(UnescapeText(L"abc", nullptr), 0);
}

TEST_F(TextTokens, UnescapeStopsAtItsBoundAndTerminates) {
    std::wstring longSource(9000, L'x');
    std::wstring destination(9000, L'#');
    EXPECT_EQ(UnescapeText(longSource.c_str(), &destination[0], 9000), 8195);
    EXPECT_EQ(destination[8195], L'\0');
    EXPECT_EQ(destination[8196], L'#');

    wchar_t small[6];
    wmemset(small, L'#', 6);
    EXPECT_EQ(UnescapeText(L"a\\nbcdef", small, 5), 4);
    EXPECT_STREQ(small, L"a\nbc");
    EXPECT_EQ(small[5], L'#');
    EXPECT_EQ(UnescapeText(L"abc", small, 1), 0);
    EXPECT_STREQ(small, L"");
    EXPECT_EQ(UnescapeText(L"abc", small, 0), 0);
}

TEST_F(TextTokens, FolderOfPathCutsAtTheLastBackslash) {
    struct Case {
        const wchar_t* path;
        bool cut;
        const wchar_t* folder;
    };
    const Case cases[] = {
        {L"C:\\dir\\sub\\file.txt", true, L"C:\\dir\\sub"},
        {L"c:\\file.txt", true, L"c:\\"},
        {L"C:\\dir\\", true, L"C:\\dir"},
        {L"\"C:\\dir\\file.txt\"", true, L"\"C:\\dir\""},
        {L"\"C:\\x\"", true, L"\"C:\\\""},
        {L"\"C:\\dir\\file", true, L"\"C:\\dir"},
        {L"C:\\", false, L"C:\\"},
        {L"\"C:\\\"", false, L"\"C:\\\""},
        {L"C:file.txt", false, L"C:file.txt"},
        {L"\\\\server\\share\\f", false, L"\\\\server\\share\\f"},
        {L"1:\\dir\\f", false, L"1:\\dir\\f"},
        {L"file.txt", false, L"file.txt"},
        {L"", false, L""},
    };
    for (const Case& c : cases) {
        wchar_t path[64];
        wcscpy(path, c.path);
        EXPECT_EQ(FolderOfPath(path), c.cut) << c.path;
        EXPECT_STREQ(path, c.folder) << c.path;
    }
    EXPECT_FALSE(FolderOfPath(nullptr));
}

} // namespace
