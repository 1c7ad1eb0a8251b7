#include "ui/win32_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "support/error_report.h"
#include "ui/win32_toolbars.h"
#include "ui_test_window.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);
const COLORREF kGreen = RGB(20, 132, 8), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

class StatusBar : public ::testing::Test {
  protected:
    HWND window = nullptr;
    int h = 0;

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

    // Draws the status bar's part into a 600 x (3h + 3) canvas on white.
    void Draw(uitest::PixelCanvas& canvas, int statusBarOn) {
        DRAWITEMSTRUCT item = {};
        item.CtlID = IDC_STATUS_BAR;
        item.hwndItem = statusBarWindow;
        item.hDC = canvas.dc();
        item.rcItem = {0, 0, 600, 3 * h + 3};
        item.itemData = reinterpret_cast<ULONG_PTR>(statusLine.line);
        const StatusBarView view = {kWhite, kBlack, statusBarOn, window};
        EXPECT_TRUE(DrawStatusBar(&item, view));
    }
    // Pixels of a colour on a line (0-2) of the left (x < 139) or right column.
    int OnLine(const uitest::PixelCanvas& canvas, COLORREF color, int line, bool right) {
        return canvas.Count(color, right ? 140 : 0, line * h, right ? 600 : 139, (line + 1) * h);
    }
    bool TakePostedErrorMessage() {
        MSG message;
        return PeekMessageW(&message, window, kShowPendingErrorMessage, kShowPendingErrorMessage,
                            PM_REMOVE) != 0;
    }
};

TEST_F(StatusBar, WindowPartAndHeight) {
    wchar_t name[64];
    GetClassNameW(statusBarWindow, name, 64);
    EXPECT_STREQ(name, STATUSCLASSNAMEW);
    EXPECT_EQ(GetParent(statusBarWindow), window);
    EXPECT_EQ(GetDlgCtrlID(statusBarWindow), IDC_STATUS_BAR);
    const LONG style = GetWindowLongW(statusBarWindow, GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP),
              static_cast<LONG>(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(statusBarWindow, WM_GETFONT, 0, 0)),
              statusBarFont);
    EXPECT_EQ(SendMessageW(statusBarWindow, SB_GETPARTS, 0, 0), 1);
    EXPECT_TRUE(HIWORD(SendMessageW(statusBarWindow, SB_GETTEXTLENGTHW, 0, 0)) & SBT_OWNERDRAW);
    EXPECT_GT(h, 0);
    RECT client;
    GetClientRect(statusBarWindow, &client);
    EXPECT_GE(client.bottom - client.top, 3 * h + 3);

    // Made again on every resize: the new bar replaces the old one.
    HWND old = statusBarWindow;
    EXPECT_EQ(CreateStatusBar(window), statusBarWindow);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(GetDlgItem(window, IDC_STATUS_BAR), statusBarWindow);
}

TEST_F(StatusBar, ResultAreaLiesBetweenRebarAndStatusBar) {
    RECT rebar, bar, plot;
    GetClientRect(rebarWindow, &rebar);
    GetClientRect(statusBarWindow, &bar);
    LayOutClientArea(window, rebarWindow, &plot);
    EXPECT_EQ(plot.left, 0);
    EXPECT_EQ(plot.right, 640);
    EXPECT_EQ(plot.top, 4 + rebar.bottom);
    EXPECT_EQ(plot.bottom, 400 - bar.bottom);
    EXPECT_GT(rebar.bottom, 20);

    LayOutClientArea(window, nullptr, &plot);
    EXPECT_EQ(plot.top, 0);
}

TEST_F(StatusBar, PointsCycleOncePerSecondAcrossTheTickWrap) {
    const DWORD start = kDotsTickWrap - 2500;
    const wchar_t* const lines[] = {L".", L"..", L"...", L"....", L".....", L".", L".."};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(AdvanceDotsAt(start + 1000 * i), 1) << i;
        EXPECT_STREQ(statusLine.line, lines[i]) << i;
        EXPECT_EQ(AdvanceDotsAt(start + 1000 * i + 999), 0);
    }
}

TEST_F(StatusBar, SetStatusKeepsTheTextAndAdvances) {
    SetStatus(L"Computing %d of %ls", 2026, L"Zelmora");
    EXPECT_STREQ(statusLine.text, L"Computing 2026 of Zelmora");
    EXPECT_STREQ(statusLine.line, L"Computing 2026 of Zelmora.");
    SetStatus(nullptr);
    EXPECT_STREQ(statusLine.text, L"");
    SetStatusWorking(L"Printing");
    EXPECT_EQ(GetCursor(), waitCursor);
    EXPECT_EQ(std::wstring(statusLine.line).rfind(L"Printing.", 0), 0u);
}

TEST_F(StatusBar, DrawsTheStatusLineInGreenBesideTheGroove) {
    statusLine = {L"Working", L"", kNoDotsYet};
    AdvanceDotsAt(1000);
    uitest::PixelCanvas canvas(600, 3 * h + 3);
    Draw(canvas, 1);
    EXPECT_GT(OnLine(canvas, kGreen, 0, false), 20);
    EXPECT_EQ(OnLine(canvas, kGreen, 1, false), 0);
    EXPECT_EQ(canvas.Count(kRed, 0, 0, 600, 3 * h + 3), 0);
    EXPECT_EQ(canvas.At(599, 3 * h + 2), kWhite);
    EXPECT_EQ(canvas.At(139, 2 * h), GetSysColor(COLOR_BTNFACE) & 0xFFFFFF);
    EXPECT_EQ(canvas.At(140, 2 * h), GetSysColor(COLOR_BTNSHADOW) & 0xFFFFFF);
    EXPECT_FALSE(DrawStatusBar(nullptr, {kWhite, kBlack, 1, window}));
}

TEST_F(StatusBar, PendingErrorInRedWhileTheOptionIsOn) {
    ReportError(L"Cannot write \"%ls\"", L"C:\\out\\year.csv");
    SetStatusBarOutputFile(L"C:\\out\\year.csv");
    uitest::PixelCanvas canvas(600, 3 * h + 3);
    Draw(canvas, 1);
    EXPECT_GT(OnLine(canvas, kRed, 1, true), 20);
    EXPECT_EQ(OnLine(canvas, kRed, 0, true) + OnLine(canvas, kRed, 2, true), 0);
    EXPECT_EQ(OnLine(canvas, kBlack, 1, true), 0); // the error wins over the file
    // It stays pending until a command takes it.
    ASSERT_TRUE(HasPendingError());
    EXPECT_STREQ(TakePendingError().message, L"Cannot write \"C:\\out\\year.csv\"");
    EXPECT_FALSE(TakePostedErrorMessage());
}

TEST_F(StatusBar, ErrorKeepsItsCategoryWhileShown) {
    ReportErrorCategory(kErrorInternet, L"No answer");
    SetAppendNext();
    uitest::PixelCanvas canvas(600, 3 * h + 3);
    Draw(canvas, 1);
    ReportError(L" - INI File Parameter");
    const ErrorState error = TakePendingError();
    EXPECT_STREQ(error.message, L"No answer - INI File Parameter");
    EXPECT_EQ(error.category, kErrorInternet);
    EXPECT_STREQ(error.title, L"Internet Error");
}

TEST_F(StatusBar, OutputFileWithoutError) {
    SetStatusBarOutputFile(L"C:\\out\\year.csv");
    uitest::PixelCanvas canvas(600, 3 * h + 3);
    Draw(canvas, 1);
    EXPECT_GT(OnLine(canvas, kBlack, 1, true), 20);
    EXPECT_EQ(canvas.Count(kRed, 0, 0, 600, 3 * h + 3), 0);
    // Nothing at all without a file.
    SetStatusBarOutputFile(L"");
    uitest::PixelCanvas empty(600, 3 * h + 3);
    Draw(empty, 1);
    EXPECT_EQ(empty.Count(kBlack, 141, 0, 600, 3 * h + 3), 0);
}

struct PainterCall {
    int calls = 0;
    RECT part = {};
    int lineHeight = 0;
};
PainterCall painterCall;

// Stands in for the internet test: blue text on line 2, and leaves blue set.
void PaintConnection(HDC dc, const RECT& part, int lineHeight) {
    ++painterCall.calls;
    painterCall.part = part;
    painterCall.lineHeight = lineHeight;
    SetTextColor(dc, kBlue);
    TextOutW(dc, part.left + 1, part.top + lineHeight, L"LAN: Up, Internet: ?", 20);
}

TEST_F(StatusBar, LeftColumnBelongsToTheInternetTest) {
    painterCall = {};
    statusBarLeftColumnPainter = PaintConnection;
    SetStatusBarOutputFile(L"C:\\out\\year.csv");
    uitest::PixelCanvas canvas(600, 3 * h + 3);
    Draw(canvas, 1);
    EXPECT_EQ(painterCall.calls, 1);
    EXPECT_EQ(painterCall.lineHeight, h);
    EXPECT_EQ(painterCall.part.right, 600);
    EXPECT_GT(OnLine(canvas, kBlue, 1, false), 20);
    // The text colour is restored for the right column.
    EXPECT_EQ(OnLine(canvas, kBlue, 1, true), 0);
    EXPECT_GT(OnLine(canvas, kBlack, 1, true), 20);
}

// Watches for message boxes while one is open: records what it shows, tries
// to open a second one, then closes the boxes one at a time.
struct BoxWatch {
    HWND owner = nullptr;
    int mostBoxes = 0;
    std::wstring title, text;
    bool triedSecond = false;
};
BoxWatch boxWatch;

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

BOOL CALLBACK ReadBoxText(HWND child, LPARAM) {
    wchar_t name[16], text[256];
    GetClassNameW(child, name, 16);
    GetWindowTextW(child, text, 256);
    if (_wcsicmp(name, L"Static") == 0 && text[0] != L'\0') boxWatch.text = text;
    return TRUE;
}

void CALLBACK WatchBoxes(HWND, UINT, UINT_PTR, DWORD) {
    std::vector<HWND> boxes = OpenBoxes();
    if (boxes.empty()) return;
    if (static_cast<int>(boxes.size()) > boxWatch.mostBoxes)
        boxWatch.mostBoxes = static_cast<int>(boxes.size());
    HWND box = boxes.front();
    wchar_t text[256];
    GetWindowTextW(box, text, 256);
    boxWatch.title = text;
    EnumChildWindows(box, ReadBoxText, 0);
    if (!boxWatch.triedSecond) {
        boxWatch.triedSecond = true;
        ShowPostedError(boxWatch.owner); // must return at once
        return;
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST_F(StatusBar, WithTheOptionOffTheErrorGoesToOneMessageBoxLater) {
    ReportError(L"Cannot open \"%ls\"", L"C:\\in\\places.txt");
    uitest::PixelCanvas canvas(600, 3 * h + 3);
    Draw(canvas, 0);
    // Drawing opens no box: the error is taken and handed to the main window.
    EXPECT_EQ(canvas.Count(kRed, 0, 0, 600, 3 * h + 3), 0);
    EXPECT_FALSE(HasPendingError());
    EXPECT_TRUE(OpenBoxes().empty());
    EXPECT_TRUE(TakePostedErrorMessage());

    // A second error waits while the first one is handed over.
    ReportError(L"Second");
    Draw(canvas, 0);
    EXPECT_TRUE(HasPendingError());
    EXPECT_FALSE(TakePostedErrorMessage());

    boxWatch = BoxWatch{};
    boxWatch.owner = window;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, WatchBoxes);
    ShowPostedError(window);
    KillTimer(nullptr, timer);
    EXPECT_EQ(boxWatch.mostBoxes, 1);
    EXPECT_TRUE(boxWatch.triedSecond);
    EXPECT_EQ(boxWatch.title, L"Error");
    EXPECT_EQ(boxWatch.text, L"Cannot open \"C:\\in\\places.txt\"");

    // Shown and closed: nothing more to show, and the next redraw hands on the second.
    ShowPostedError(window);
    Draw(canvas, 0);
    EXPECT_FALSE(HasPendingError());
    EXPECT_TRUE(TakePostedErrorMessage());
    boxWatch = BoxWatch{};
    boxWatch.owner = window;
    boxWatch.triedSecond = true;
    const UINT_PTR again = SetTimer(nullptr, 0, 50, WatchBoxes);
    ShowPostedError(window);
    KillTimer(nullptr, again);
    EXPECT_EQ(boxWatch.text, L"Second");
}

} // namespace
