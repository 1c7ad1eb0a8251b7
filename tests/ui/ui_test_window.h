// A plain top-level window that stands in for the main window in the tests
// of its furniture, and a memory device context whose pixels can be read.
#pragma once

#include <windows.h>

#include <vector>

namespace uitest {

// A top-level window of the process with this class (any, when null) and
// caption (any, when null), or null. FindWindow alone would do, except that
// tests running at the same time in other processes show windows alike.
inline HWND TopLevelWindowOf(DWORD processId, const wchar_t* className, const wchar_t* caption) {
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, className, caption)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId) return w;
    }
    return nullptr;
}

// A top-level window of this process with the given caption, or null.
inline HWND FindOwnWindow(const wchar_t* caption) {
    return TopLevelWindowOf(GetCurrentProcessId(), nullptr, caption);
}

// What the test window was sent.
struct WindowLog {
    int userMessages = 0, keyDowns = 0, paints = 0;
    std::vector<int> commands;
};
inline WindowLog windowLog;

inline LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    windowLog.userMessages += message == WM_USER;
    windowLog.keyDowns += message == WM_KEYDOWN;
    windowLog.paints += message == WM_PAINT;
    if (message == WM_COMMAND) windowLog.commands.push_back(LOWORD(wParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

// Creates a hidden top-level window with the given client size.
inline HWND CreateTestWindow(int clientWidth, int clientHeight) {
    static const ATOM atom = [] {
        WNDCLASSEXW cls = {};
        cls.cbSize = sizeof cls;
        cls.lpfnWndProc = TestWindowProc;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        cls.lpszClassName = L"ZelmoraUiTestWindow";
        return RegisterClassExW(&cls);
    }();
    RECT frame = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    windowLog = WindowLog{};
    return CreateWindowExW(0, MAKEINTATOM(atom), L"Zelmora", WS_OVERLAPPEDWINDOW, 40, 40,
                           frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// Removes every message waiting for this thread.
inline void DrainMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message != WM_QUIT) DispatchMessageW(&message);
}

// A 32-bit top-down DIB section selected into a memory device context.
class PixelCanvas {
  public:
    PixelCanvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_),
                                   nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~PixelCanvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    HDC dc() const { return dc_; }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const DWORD p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // Pixels of `color` inside [left, right) x [top, bottom).
    int Count(COLORREF color, int left, int top, int right, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom && y < height_; ++y)
            for (int x = left; x < right && x < width_; ++x)
                count += At(x, y) == color;
        return count;
    }

  private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    DWORD* bits_ = nullptr;
};

} // namespace uitest
