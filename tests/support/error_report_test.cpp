#include "support/error_report.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

class ErrorReport : public ::testing::Test {
  protected:
    void SetUp() override { TakePendingError(); }
    void TearDown() override { TakePendingError(); }
};

// Opens a file that does not exist, leaving the system's last error behind.
void FailFileOpen() {
#ifdef _WIN32
    FILE* file = _wfopen(L"C:\\zelmora_missing_settings.ini", L"r");
#else
    FILE* file = fopen("/nonexistent/zelmora/missing.ini", "r");
#endif
    ASSERT_EQ(file, nullptr);
}

// The system's text for a missing file as the message should show it.
std::wstring MissingFileText() {
#ifdef _WIN32
    return L"File not found!"; // Wine's text for ERROR_FILE_NOT_FOUND
#else
    std::wstring text;
    for (const char* c = strerror(ENOENT); *c != '\0'; ++c)
        text += static_cast<wchar_t>(*c);
    return text + L"!";
#endif
}

void ClearLastError() {
#ifdef _WIN32
    SetLastError(0x2000ABCD); // a code the system has no text for
#else
    errno = 0;
#endif
}

TEST_F(ErrorReport, FirstMessageWinsUntilItIsTaken) {
    EXPECT_FALSE(HasPendingError());
    ReportError(L"Invalid Start Date");
    ReportError(L"Failed Save File: %ls", L"x.csv");
    ReportErrorCategory(kErrorLinkedList, L"Insufficient Memory");
    ErrorState taken = TakePendingError();
    EXPECT_STREQ(taken.message, L"Invalid Start Date");
    EXPECT_EQ(taken.category, kErrorPlain);
    EXPECT_STREQ(taken.title, L"");

    EXPECT_FALSE(HasPendingError());
    taken = TakePendingError(); // the state was cleared
    EXPECT_STREQ(taken.message, L"");
    EXPECT_EQ(taken.category, 0);
    EXPECT_STREQ(taken.title, L"");
    EXPECT_EQ(taken.appendNext, 0);

    ReportError(L"Failed Save File: %ls", L"x.csv");
    EXPECT_STREQ(TakePendingError().message, L"Failed Save File: x.csv");
    ReportError(nullptr);
    ReportError(L"");
    EXPECT_FALSE(HasPendingError());
}

TEST_F(ErrorReport, AppendedTextKeepsTheFirstCategoryAndTitle) {
    ReportErrorCategory(kErrorTaggedFile, L"Bad tag %d", 7);
    SetAppendNext();
    ReportError(L" - INI File Parameter");
    ReportError(L" dropped"); // the append flag is used up
    ErrorState taken = TakePendingError();
    EXPECT_STREQ(taken.message, L"Bad tag 7 - INI File Parameter");
    EXPECT_EQ(taken.category, kErrorTaggedFile);
    EXPECT_STREQ(taken.title, L"Tagged File Error");
    EXPECT_EQ(taken.appendNext, 0);

    ReportError(L"Invalid command");
    SetAppendNext();
    ReportErrorCategory(kErrorInternet, L" - Command Line Parameter");
    taken = TakePendingError();
    EXPECT_STREQ(taken.message, L"Invalid command - Command Line Parameter");
    EXPECT_EQ(taken.category, kErrorPlain);
    EXPECT_STREQ(taken.title, L"");

    // With nothing pending, an appended report simply becomes the message.
    SetAppendNext();
    ReportError(L"alone");
    taken = TakePendingError();
    EXPECT_STREQ(taken.message, L"alone");
    EXPECT_EQ(taken.appendNext, 0);
}

TEST_F(ErrorReport, DroppedCategorisedReportLeavesThePendingTitleAlone) {
    ReportErrorCategory(kErrorLinkedList, L"Insufficient Memory");
    ReportErrorCategory(kErrorInternet, L"second");
    ReportErrorCategory(kErrorLastError, L"third");
    ErrorState taken = TakePendingError();
    EXPECT_STREQ(taken.message, L"Insufficient Memory");
    EXPECT_EQ(taken.category, kErrorLinkedList);
    EXPECT_STREQ(taken.title, L"Linked List Error");

    ReportError(L"plain");
    ReportErrorCategory(kErrorTaggedFile, L"later");
    taken = TakePendingError();
    EXPECT_EQ(taken.category, kErrorPlain);
    EXPECT_STREQ(taken.title, L"");
}

TEST_F(ErrorReport, EveryCategoryHasItsTitle) {
    struct Case {
        int category;
        const wchar_t* title;
    };
    const Case cases[] = {
        {0, L""},
        {1, L"Result "},
        {2, L" Error"},
        {3, L"Internet Error"},
        {4, L"Log Error File Error"},
        {5, L"Com Port Error"},
        {6, L"LPT Error"},
        {7, L"USB Error"},
        {8, L"Linked List Error"},
        {9, L"Tagged File Error"},
        {10, L"Trevlin2 Error"},
        {11, L"GetLastError"},
        {12, L""},
        {-1, L""},
        {1000, L""},
    };
    for (const Case& c : cases) {
        ReportErrorCategory(c.category, L"message");
        ErrorState taken = TakePendingError();
        EXPECT_EQ(taken.category, c.category);
        EXPECT_STREQ(taken.title, c.title) << c.category;
    }
}

TEST_F(ErrorReport, LastErrorCategoryAddsTheSystemText) {
    FailFileOpen();
    ReportErrorCategory(kErrorLastError, L"Failed File Open: %ls", L"missing.ini");
    ErrorState taken = TakePendingError();
    EXPECT_EQ(std::wstring(taken.message), L"Failed File Open: missing.ini: " + MissingFileText());
    EXPECT_STREQ(taken.title, L"GetLastError");
    EXPECT_EQ(wcspbrk(taken.message, L"\r\n"), nullptr);

    // An empty message gets no ": " before the system text.
    FailFileOpen();
    ReportErrorCategory(kErrorLastError, nullptr);
    EXPECT_EQ(std::wstring(TakePendingError().message), MissingFileText());

    ClearLastError();
    ReportErrorCategory(kErrorLastError, L"Help window");
    EXPECT_STREQ(TakePendingError().message, L"Help window: Unknown error!");
}

TEST_F(ErrorReport, MessagesStayWithinTheirBound) {
    std::wstring longText(400, L'x');
    ReportError(L"%ls%ls", longText.c_str(), L"tail");
    SetAppendNext();
    ReportError(L" - INI File Parameter");
    ErrorState taken = TakePendingError();
    EXPECT_EQ(wcslen(taken.message), static_cast<size_t>(kErrorMessageLength - 1));
    EXPECT_EQ(std::wstring(taken.message), longText.substr(0, kErrorMessageLength - 1));

    std::wstring nearlyFull(250, L'y');
    ReportError(L"%ls", nearlyFull.c_str());
    SetAppendNext();
    ReportError(L" - INI File Parameter");
    EXPECT_EQ(std::wstring(TakePendingError().message), nearlyFull + L" - IN");

    FailFileOpen();
    ReportErrorCategory(kErrorLastError, L"%ls", nearlyFull.c_str());
    taken = TakePendingError();
    EXPECT_EQ(wcslen(taken.message), static_cast<size_t>(kErrorMessageLength - 1));
    EXPECT_EQ(std::wstring(taken.message, 252), nearlyFull + L": ");
}

TEST_F(ErrorReport, AnEmptyReportLeavesNoTitleForALaterMessage) {
    ReportErrorCategory(kErrorLinkedList, L"");
    ErrorState state = TakePendingError();
    EXPECT_STREQ(state.message, L"");
    EXPECT_EQ(state.category, 0);
    EXPECT_STREQ(state.title, L"");

    ReportErrorCategory(kErrorLinkedList, L"");
    ReportError(L"Invalid Start Date");
    state = TakePendingError();
    EXPECT_STREQ(state.message, L"Invalid Start Date");
    EXPECT_EQ(state.category, 0);
    EXPECT_STREQ(state.title, L"");
}

TEST_F(ErrorReport, PeekingLeavesTheMessageAndItsTitlePending) {
    FailFileOpen();
    ReportErrorCategory(kErrorLastError, L"Failed File Open: %ls", L"x.ini");
    const std::wstring shown = PendingError().message;
    EXPECT_EQ(shown.rfind(L"Failed File Open: x.ini: ", 0), 0u);
    EXPECT_STREQ(PendingError().title, L"GetLastError");
    ErrorState taken = TakePendingError();
    EXPECT_EQ(std::wstring(taken.message), shown);
    EXPECT_EQ(taken.category, kErrorLastError);
    EXPECT_FALSE(HasPendingError());
}

} // namespace
