#include "ui/win32_status_bar.h"
#include "ui/win32_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "support/error_report.h"
#include "ui/win32_toolbars.h"
#include "ui_test_window.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);
const COLORREF kGreen = RGB(20, 132, 8), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
const wchar_t kFile[] = L"C:\\out\\year.csv";

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
        CreateToolbars(window);
        ASSERT_NE(CreateStatusBar(window), nullptr);
        h = statusBarLineHeight;
        statusLine = {L"", L"", kNoDotsYet};
        SetStatusBarOutputFile(nullptr);
        statusBarLeftColumnPainter = nullptr;
    }
    void TearDown() override {
        statusBarLeftColumnPainter = nullptr;
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
    // Pixels of a colour on a line (0-2) of the left (x < 139) or right column.
    int OnLine(COLORREF color, int line, bool right) {
        return canvas->Count(color, right ? 140 : 0, line * h, right ? 600 : 139, (line + 1) * h);
    }
    int Anywhere(COLORREF color) { return canvas->Count(color, 0, 0, 600, 3 * h + 3); }
    bool TakePostedErrorMessage() {
        MSG message;
        return PeekMessageW(&message, window, kShowPendingErrorMessage, kShowPendingErrorMessage,
                            PM_REMOVE) != 0;
    }
};

// The bar's look and owner drawing are checked through its pixels.
TEST_F(StatusBar, ChildOfTheWindowThreeLinesHighBelowTheResultArea) {
    EXPECT_EQ(GetParent(statusBarWindow), window);
    EXPECT_EQ(GetDlgCtrlID(statusBarWindow), IDC_STATUS_BAR);
    const LONG style = WS_VISIBLE | SBARS_SIZEGRIP;
    EXPECT_EQ(GetWindowLongW(statusBarWindow, GWL_STYLE) & style, style);
    EXPECT_GT(h, 0);
    RECT bar, rebar, plot;
    GetClientRect(statusBarWindow, &bar);
    EXPECT_GE(bar.bottom - bar.top, 3 * h + 3);

    // The result area lies between the rebar (and a 4 pixel gap) and the bar.
    GetClientRect(rebarWindow, &rebar);
    EXPECT_GT(rebar.bottom, 20);
    LayOutClientArea(window, rebarWindow, &plot);
    const RECT between = {0, 4 + rebar.bottom, 640, 400 - bar.bottom};
    EXPECT_TRUE(EqualRect(&plot, &between));
    LayOutClientArea(window, nullptr, &plot);
    EXPECT_EQ(plot.top, 0);

    // Made again on every resize: the new bar replaces the old one.
    HWND old = statusBarWindow;
    EXPECT_EQ(CreateStatusBar(window), statusBarWindow);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(GetDlgItem(window, IDC_STATUS_BAR), statusBarWindow);
}

TEST_F(StatusBar, PointsFollowTheTextOncePerSecondAcrossTheTickWrap) {
    for (int n = 1; n <= 3; ++n) {
        const DWORD tick = kDotsTickWrap - 2000 + 1000 * n;
        EXPECT_EQ(AdvanceDotsAt(tick), 1) << n;
        EXPECT_EQ(std::wstring(statusLine.line), std::wstring(n, L'.'));
        EXPECT_EQ(AdvanceDotsAt(tick + 999), 0) << n;
    }

    // SetStatus keeps the text and adds the next point: the first, after a reset.
    statusLine = {L"", L"", kNoDotsYet};
    SetStatus(L"Computing %d of %ls", 2026, L"Zelmora");
    EXPECT_STREQ(statusLine.text, L"Computing 2026 of Zelmora");
    EXPECT_STREQ(statusLine.line, L"Computing 2026 of Zelmora.");
    SetStatus(nullptr);
    EXPECT_STREQ(statusLine.text, L"");
    SetStatusWorking(L"Printing");
    EXPECT_EQ(GetCursor(), waitCursor);
    EXPECT_EQ(std::wstring(statusLine.line).rfind(L"Printing.", 0), 0u);
}

TEST_F(StatusBar, DrawsTheStatusLineInGreenBesideTheGrooveAndTheFileInBlack) {
    statusLine = {L"Working", L"", kNoDotsYet};
    AdvanceDotsAt(1000);
    SetStatusBarOutputFile(L""); // no file
    Draw(1);
    EXPECT_GT(OnLine(kGreen, 0, false), 20);
    EXPECT_EQ(OnLine(kGreen, 1, false), 0);
    EXPECT_EQ(Anywhere(kRed), 0);
    EXPECT_EQ(canvas->Count(kBlack, 141, 0, 600, 3 * h + 3), 0);
    EXPECT_EQ(canvas->At(599, 3 * h + 2), kWhite);
    EXPECT_EQ(canvas->At(139, 2 * h), GetSysColor(COLOR_BTNFACE) & 0xFFFFFF);
    EXPECT_EQ(canvas->At(140, 2 * h), GetSysColor(COLOR_BTNSHADOW) & 0xFFFFFF);
    EXPECT_FALSE(DrawStatusBar(nullptr, {kWhite, kBlack, 1, window}));

    SetStatusBarOutputFile(kFile);
    Draw(1);
    EXPECT_GT(OnLine(kBlack, 1, true), 20);
    EXPECT_EQ(Anywhere(kRed), 0);
}

TEST_F(StatusBar, PendingErrorInRedWhileTheOptionIsOnKeepsItsCategory) {
    ReportError(L"Cannot write \"%ls\"", kFile);
    SetStatusBarOutputFile(kFile);
    Draw(1);
    EXPECT_GT(OnLine(kRed, 1, true), 20);
    EXPECT_EQ(OnLine(kRed, 0, true) + OnLine(kRed, 2, true), 0);
    EXPECT_EQ(OnLine(kBlack, 1, true), 0); // the error wins over the file
    // It stays pending until a command takes it.
    ASSERT_TRUE(HasPendingError());
    EXPECT_STREQ(TakePendingError().message, L"Cannot write \"C:\\out\\year.csv\"");
    EXPECT_FALSE(TakePostedErrorMessage());

    ReportErrorCategory(kErrorInternet, L"No answer");
    SetAppendNext();
    Draw(1);
    ReportError(L" - INI File Parameter");
    const ErrorState error = TakePendingError();
    EXPECT_STREQ(error.message, L"No answer - INI File Parameter");
    EXPECT_EQ(error.category, kErrorInternet);
    EXPECT_STREQ(error.title, L"Internet Error");
}

// Stands in for the internet test: blue text on line 2, and leaves blue set.
struct PainterCall {
    int calls = 0;
    RECT part = {};
    int lineHeight = 0;
} painterCall;

void PaintConnection(HDC dc, const RECT& part, int lineHeight) {
    painterCall = {painterCall.calls + 1, part, lineHeight};
    SetTextColor(dc, kBlue);
    TextOutW(dc, part.left + 1, part.top + lineHeight, L"LAN: Up, Internet: ?", 20);
}

TEST_F(StatusBar, LeftColumnBelongsToTheInternetTest) {
    painterCall = {};
    statusBarLeftColumnPainter = PaintConnection;
    SetStatusBarOutputFile(kFile);
    Draw(1);
    EXPECT_EQ(painterCall.calls, 1);
    EXPECT_EQ(painterCall.lineHeight, h);
    EXPECT_EQ(painterCall.part.right, 600);
    EXPECT_GT(OnLine(kBlue, 1, false), 20);
    // The text colour is restored for the right column.
    EXPECT_EQ(OnLine(kBlue, 1, true), 0);
    EXPECT_GT(OnLine(kBlack, 1, true), 20);
}

// Watches for message boxes while one is open: records what it shows, tries
// to open a second one, then closes the boxes one at a time.
struct BoxWatch {
    HWND owner = nullptr;
    int mostBoxes = 0;
    std::wstring title, text;
    bool triedSecond = false;
} boxWatch;

BOOL CALLBACK CollectBox(HWND w, LPARAM found) {
    wchar_t name[16];
    GetClassNameW(w, name, 16);
    if (wcscmp(name, L"#32770") == 0 && IsWindowVisible(w))
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(w);
    return TRUE;
}

std::vector<HWND> OpenBoxes() {
    std::vector<HWND> boxes;
    EnumThreadWindows(GetCurrentThreadId(), CollectBox, reinterpret_cast<LPARAM>(&boxes));
    return boxes;
}

void CALLBACK WatchBoxes(HWND, UINT, UINT_PTR, DWORD) {
    std::vector<HWND> boxes = OpenBoxes();
    if (boxes.empty()) return;
    boxWatch.mostBoxes = std::max(boxWatch.mostBoxes, static_cast<int>(boxes.size()));
    wchar_t title[256], text[256];
    GetWindowTextW(boxes.front(), title, 256);
    GetDlgItemTextW(boxes.front(), 0xFFFF, text, 256); // a message box's text
    boxWatch.title = title;
    boxWatch.text = text;
    if (!boxWatch.triedSecond) {
        boxWatch.triedSecond = true;
        ShowPostedError(boxWatch.owner); // must return at once
        return;
    }
    PostMessageW(boxes.front(), WM_COMMAND, IDOK, 0);
}

TEST_F(StatusBar, WithTheOptionOffTheErrorGoesToOneMessageBoxLater) {
    auto showPosted = [&](bool triedSecond) {
        boxWatch = BoxWatch{window, 0, L"", L"", triedSecond};
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, WatchBoxes);
        ShowPostedError(window);
        KillTimer(nullptr, timer);
    };
    ReportError(L"Cannot open \"%ls\"", L"C:\\in\\places.txt");
    Draw(0);
    // Drawing opens no box: the error is taken and handed to the main window.
    EXPECT_EQ(Anywhere(kRed), 0);
    EXPECT_FALSE(HasPendingError());
    EXPECT_TRUE(OpenBoxes().empty());
    EXPECT_TRUE(TakePostedErrorMessage());

    // A second error waits while the first one is handed over.
    ReportError(L"Second");
    Draw(0);
    EXPECT_TRUE(HasPendingError());
    EXPECT_FALSE(TakePostedErrorMessage());

    showPosted(false);
    EXPECT_EQ(boxWatch.mostBoxes, 1);
    EXPECT_TRUE(boxWatch.triedSecond);
    EXPECT_EQ(boxWatch.title, L"Error");
    EXPECT_EQ(boxWatch.text, L"Cannot open \"C:\\in\\places.txt\"");

    // Shown and closed: nothing more to show, and the next redraw hands on the second.
    ShowPostedError(window);
    Draw(0);
    EXPECT_FALSE(HasPendingError());
    EXPECT_TRUE(TakePostedErrorMessage());
    showPosted(true);
    EXPECT_EQ(boxWatch.text, L"Second");
}

} // namespace
