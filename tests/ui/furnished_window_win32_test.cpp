// The furniture in a shown window, as the main window uses it: toolbars in the
// rebar, the status bar drawn through WM_DRAWITEM, the result area between.
// Set ZELMORA_UI_SHOW_MS to keep the window on the screen for a look.
#include <gtest/gtest.h>

#include <cstdlib>

#include "resources/resource_ids.h"
#include "support/error_report.h"
#include "ui/win32_status_bar.h"
#include "ui/win32_support.h"
#include "ui/win32_toolbars.h"
#include "ui_test_window.h"

namespace {

RECT resultArea;
int statusDraws = 0;

// What the internet test will show in the left column, clipped to it.
void PaintConnection(HDC dc, const RECT& part, int lineHeight) {
    SetTextColor(dc, RGB(20, 132, 8));
    RECT column = {part.left + 1, part.top + lineHeight, 137, part.top + 3 * lineHeight};
    ExtTextOutW(dc, column.left, column.top, ETO_CLIPPED, &column, L"LAN: Up, Internet: Up (5)", 25,
                nullptr);
    ExtTextOutW(dc, column.left, column.top + lineHeight, ETO_CLIPPED, &column, L"12/07/2026 09:41",
                16, nullptr);
}

LRESULT CALLBACK FurnishedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (rebarWindow != nullptr) SendMessageW(rebarWindow, WM_SIZE, 0, 0);
        CreateStatusBar(window);
        LayOutClientArea(window, rebarWindow, &resultArea);
        InvalidateRect(window, &resultArea, TRUE);
        return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lParam)->code == RBN_HEIGHTCHANGE) {
            LayOutClientArea(window, rebarWindow, &resultArea);
            InvalidateRect(window, &resultArea, TRUE);
        }
        return 0;
    case WM_DRAWITEM: {
        const StatusBarView view = {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT), 1,
                                    window};
        const BOOL drawn = DrawStatusBar(reinterpret_cast<DRAWITEMSTRUCT*>(lParam), view);
        statusDraws += drawn;
        return drawn;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT inner = resultArea;
        InflateRect(&inner, -8, -8);
        FrameRect(dc, &inner, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        EndPaint(window, &paint);
        return 0;
    }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateFurnishedWindow() {
    WNDCLASSEXW cls = {};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = FurnishedWindowProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    cls.lpszClassName = L"ZelmoraFurnishedTestWindow";
    RegisterClassExW(&cls);
    HWND window = CreateWindowExW(0, cls.lpszClassName, L"Zelmora", WS_OVERLAPPEDWINDOW, 60, 40,
                                  760, 420, nullptr, nullptr, cls.hInstance, nullptr);
    if (window == nullptr) return nullptr;
    CreateFonts();
    CreateToolbars(window);
    CreateStatusBar(window);
    LayOutClientArea(window, rebarWindow, &resultArea);
    return window;
}

void PumpFor(int milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    while (static_cast<int>(end - GetTickCount()) > 0) {
        PumpMessages(100);
        Sleep(10);
    }
}

TEST(FurnishedWindow, StatusBarIsDrawnThroughItsOwner) {
    TakePendingError();
    statusDraws = 0;
    HWND window = CreateFurnishedWindow();
    ASSERT_NE(window, nullptr);
    statusBarLeftColumnPainter = PaintConnection;
    SetStatusBarOutputFile(L"C:\\Users\\zelmora\\Documents\\Zelmora_Time.csv");
    SetInternetButtonImage(5);
    CheckToolbarCommand(IDM_DISPLAY_TABLE, true);
    CheckToolbarCommand(IDM_DATA_TIME, true);
    CheckToolbarCommand(IDM_MODE_TIMES, true);
    ShowWindow(window, SW_SHOW);
    SetStatus(L"Sun times for 2026 computed");
    UpdateWindow(window);
    PumpFor(300);

    EXPECT_GT(statusDraws, 0);
    RECT bar;
    GetClientRect(statusBarWindow, &bar);
    HDC dc = GetDC(statusBarWindow);
    int green = 0;
    for (int y = 0; y < statusBarLineHeight + 2; ++y)
        for (int x = 0; x < 139; ++x)
            green += GetPixel(dc, x, y) == RGB(20, 132, 8);
    ReleaseDC(statusBarWindow, dc);
    EXPECT_GT(green, 20);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_GT(resultArea.top, 20);
    EXPECT_EQ(resultArea.bottom, client.bottom - bar.bottom);

    if (const char* show = getenv("ZELMORA_UI_SHOW_MS")) PumpFor(atoi(show));
    statusBarLeftColumnPainter = nullptr;
    SetStatusBarOutputFile(nullptr);
    DestroyWindow(window);
    uitest::DrainMessages();
}

} // namespace
