#include "support/error_report.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cwchar>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Opens a file that does not exist, leaving the system's last error behind.
void FailFileOpen() {
#ifdef _WIN32
    ASSERT_EQ(_wfopen(L"C:\\zelmora_missing_settings.ini", L"r"), nullptr);
#else
    ASSERT_EQ(fopen("/nonexistent/zelmora/missing.ini", "r"), nullptr);
#endif
}

class ErrorReport : public ::testing::Test {
  protected:
    void SetUp() override { TakePendingError(); }
    void TearDown() override { TakePendingError(); }

    // Takes the pending state, checks it, and checks that taking cleared it.
    static void ExpectTaken(const std::wstring& message, int category, const wchar_t* title) {
        const ErrorState s = TakePendingError();
        EXPECT_EQ(std::wstring(s.message), message);
        EXPECT_EQ(s.category, category);
        EXPECT_STREQ(s.title, title);
        EXPECT_EQ(s.appendNext, 0);
        EXPECT_FALSE(HasPendingError());
    }
};

TEST_F(ErrorReport, FirstMessageWinsUntilItIsTakenAndEmptyReportsCountForNothing) {
    ReportError(L"Invalid Start Date");
    ReportErrorCategory(kErrorLinkedList, L"Insufficient Memory"); // its title is dropped too
    EXPECT_TRUE(HasPendingError());
    ExpectTaken(L"Invalid Start Date", kErrorPlain, L"");
    // A pending categorised message keeps its title over later ones.
    ReportErrorCategory(kErrorLinkedList, L"Insufficient Memory");
    ReportErrorCategory(kErrorInternet, L"second");
    ExpectTaken(L"Insufficient Memory", kErrorLinkedList, L"Linked List Error");
    // Empty reports leave nothing pending, and no title for a later message.
    ReportError(nullptr);
    ReportErrorCategory(kErrorLinkedList, L"");
    ReportError(L"Invalid Start Date");
    ExpectTaken(L"Invalid Start Date", 0, L"");
}

TEST_F(ErrorReport, AppendedTextKeepsTheFirstCategoryAndTitle) {
    ReportErrorCategory(kErrorTaggedFile, L"Bad tag %d", 7);
    SetAppendNext();
    ReportError(L" - INI File Parameter");
    ReportError(L" dropped"); // the append flag is used up
    ExpectTaken(L"Bad tag 7 - INI File Parameter", kErrorTaggedFile, L"Tagged File Error");
    // A message that fills the buffer takes nothing more.
    const std::wstring longText(400, L'x');
    ReportError(L"%ls%ls", longText.c_str(), L"tail");
    SetAppendNext();
    ReportError(L" - INI File Parameter");
    ExpectTaken(longText.substr(0, kErrorMessageLength - 1), kErrorPlain, L"");
}

TEST_F(ErrorReport, LastErrorCategoryAddsTheSystemTextWithinTheBound) {
    FailFileOpen();
    ReportErrorCategory(kErrorLastError, L"Failed File Open: %ls", L"missing.ini");
    // The system's text for a missing file (peeking leaves it pending).
    const std::wstring message = PendingError().message;
    EXPECT_EQ(message.rfind(L"Failed File Open: missing.ini: ", 0), 0u) << message;
    EXPECT_EQ(message.find_first_of(L"\r\n"), std::wstring::npos) << message;
    EXPECT_EQ(message.back(), L'!');
    ExpectTaken(message, kErrorLastError, L"GetLastError");

#ifdef _WIN32
    SetLastError(0x2000ABCD); // a code the system has no text for
#else
    errno = 0;
#endif
    ReportErrorCategory(kErrorLastError, L"Help window");
    EXPECT_STREQ(TakePendingError().message, L"Help window: Unknown error!");
    const std::wstring nearlyFull(250, L'y');
    FailFileOpen();
    ReportErrorCategory(kErrorLastError, L"%ls", nearlyFull.c_str());
    const std::wstring cut = TakePendingError().message;
    EXPECT_EQ(cut.size(), static_cast<size_t>(kErrorMessageLength - 1));
    EXPECT_EQ(cut.substr(0, 252), nearlyFull + L": ");
}

} // namespace
