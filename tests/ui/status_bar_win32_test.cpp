// The status bar's owner drawing read back by its pixels, and the hand-over
// of an error to a message box when the status bar option is off.
#include "ui/win32_status_bar.h"
#include "ui/win32_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "support/error_report.h"
#include "ui_test_window.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);

class StatusBar : public ::testing::Test {
  protected:
    HWND window = nullptr;
    int h = 0;
    std::unique_ptr<uitest::PixelCanvas> canvas;

    void SetUp() override {
        TakePendingError();
        uitest::DrainMessages();
        ASSERT_EQ(CreateFonts(), 1);
        window = uitest::CreateTestWindow(640, 400);
        ASSERT_NE(window, nullptr);
        ASSERT_NE(CreateStatusBar(window), nullptr);
        h = statusBarLineHeight;
        statusLine = {L"", L"", kNoDotsYet};
    }
    void TearDown() override {
        DestroyWindow(window);
        uitest::DrainMessages();
        TakePendingError();
    }

    // Draws the status bar's part into a fresh 600 x (3h + 3) canvas on white.
    void Draw(int statusBarOn) {
        canvas = std::make_unique<uitest::PixelCanvas>(600, 3 * h + 3);
        DRAWITEMSTRUCT item = {};
        item.CtlID = IDC_STATUS_BAR;
        item.hwndItem = statusBarWindow;
        item.hDC = canvas->dc();
        item.rcItem = {0, 0, 600, 3 * h + 3};
        item.itemData = reinterpret_cast<ULONG_PTR>(statusLine.line);
        EXPECT_TRUE(DrawStatusBar(&item, {kWhite, kBlack, statusBarOn, window}));
    }
    bool TakePostedErrorMessage() {
        MSG message;
        return PeekMessageW(&message, window, kShowPendingErrorMessage, kShowPendingErrorMessage,
                            PM_REMOVE) != 0;
    }
};

// Watches for message boxes while the timer runs: records how many were open
// at once and what the first shows, tries once to open a second one, and
// closes the boxes one at a time.
struct BoxWatch {
    HWND owner = nullptr;
    bool trySecond = false;
    int mostBoxes = 0;
    std::wstring title, text;
} boxWatch;

BOOL CALLBACK CollectBox(HWND w, LPARAM found) {
    wchar_t name[16];
    GetClassNameW(w, name, 16);
    if (wcscmp(name, L"#32770") == 0 && IsWindowVisible(w))
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(w);
    return TRUE;
}

void CALLBACK WatchBoxes(HWND, UINT, UINT_PTR, DWORD) {
    std::vector<HWND> boxes;
    EnumThreadWindows(GetCurrentThreadId(), CollectBox, reinterpret_cast<LPARAM>(&boxes));
    if (boxes.empty()) return;
    boxWatch.mostBoxes = std::max(boxWatch.mostBoxes, static_cast<int>(boxes.size()));
    wchar_t title[256], text[256];
    GetWindowTextW(boxes.front(), title, 256);
    GetDlgItemTextW(boxes.front(), 0xFFFF, text, 256); // a message box's text
    boxWatch.title = title;
    boxWatch.text = text;
    if (boxWatch.trySecond) {
        boxWatch.trySecond = false;
        ShowPostedError(boxWatch.owner); // must return at once
        return;
    }
    PostMessageW(boxes.front(), WM_COMMAND, IDOK, 0);
}

// A box opened inside WM_DRAWITEM runs a modal loop in which the timers draw
// the bar again and open box after box: the error is handed to the main
// window, which opens one box from its own message loop.
TEST_F(StatusBar, AnErrorIsRedWithTheOptionOnAndGoesToOneMessageBoxLaterWithItOff) {
    auto watching = [&](bool trySecond, auto action) {
        boxWatch = BoxWatch{window, trySecond, 0, L"", L""};
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, WatchBoxes);
        action();
        KillTimer(nullptr, timer);
    };
    // With the option on, the error is drawn in red on line 2 and stays pending.
    ReportError(L"Cannot open \"%ls\"", L"C:\\in\\places.txt");
    Draw(1);
    EXPECT_GT(canvas->Count(kRed, 140, h, 600, 2 * h), 20); // the right column's line 2
    EXPECT_TRUE(HasPendingError());
    EXPECT_FALSE(TakePostedErrorMessage());

    watching(false, [&] { Draw(0); });
    ASSERT_EQ(boxWatch.mostBoxes, 0) << "a box was opened while drawing";
    EXPECT_EQ(canvas->Count(kRed, 0, 0, 600, 3 * h + 3), 0);
    EXPECT_FALSE(HasPendingError());
    EXPECT_TRUE(TakePostedErrorMessage());

    // A second error waits while the first one is handed over.
    ReportError(L"Second");
    Draw(0);
    EXPECT_TRUE(HasPendingError());
    EXPECT_FALSE(TakePostedErrorMessage());

    watching(true, [&] { ShowPostedError(window); });
    EXPECT_EQ(boxWatch.mostBoxes, 1);
    EXPECT_FALSE(boxWatch.trySecond); // the second attempt was made
    EXPECT_EQ(boxWatch.title, L"Error");
    EXPECT_EQ(boxWatch.text, L"Cannot open \"C:\\in\\places.txt\"");

    // Shown and closed: nothing more to show, and the next redraw hands on the second.
    ShowPostedError(window);
    Draw(0);
    EXPECT_FALSE(HasPendingError());
    EXPECT_TRUE(TakePostedErrorMessage());
    watching(false, [&] { ShowPostedError(window); });
    EXPECT_EQ(boxWatch.text, L"Second");
}

} // namespace
