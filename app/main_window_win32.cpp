#include "app/main_window.h"

#include "app/bars.h"
#include "app/commands.h"
#include "app/internet_commands.h"
#include "app/lifecycle.h"
#include "app/plot_mouse.h"
#include "app/repaint.h"
#include "app/program_state.h"
#include "presentation/presentation_state.h"
#include "resources/resource_ids.h"
#include "settings/program_options.h"
#include "settings/window_placement.h"
#include "settings/window_positions.h"
#include "support/error_report.h"
#include "ui/win32_status_bar.h"
#include "ui/win32_support.h"
#include "ui/win32_toolbars.h"

namespace {

wchar_t windowClassName[100] = L"ZELMORA";
wchar_t windowTitle[100] = L"Zelmora";

enum { kNoCommand = 0 };

// Every command clears a waiting error message first, but for the
// notifications of the text view and static controls, the two identifiers
// that name no command, and the internet test's notices of a reset (whose
// error must still be shown).
bool ClearsPendingError(int id) {
    return id != kNoCommand && id != IDM_TEMPLATE_EXIT && id != IDC_TEXT_VIEW &&
           id != IDC_STATIC_CONTROL && !KeepsPendingError(id);
}

// The main window's rectangle, as the user left it.
void RecordMainWindowRect(HWND window) {
    StorePosition(window, kPositionMainWindow);
}

LRESULT OnCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (ClearsPendingError(id) && HasPendingError()) {
        TakePendingError();
        RefreshStatusBar();
    }
    return DispatchCommand(window, message, wParam, lParam);
}

LRESULT OnTimer(HWND window, WPARAM timer) {
    switch (timer) {
    case kTimerStatusDots:
        if (AdvanceDots()) ShowStatusLine();
        break;
    case kTimerStatusBar:
        RefreshStatusBar();
        break;
    case kTimerInternetTest:
        OnInternetTestTimer(window);
        break;
    }
    (void)window;
    return 0;
}

LRESULT OnColorEdit(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    if (GetDlgCtrlID(control) != IDC_TEXT_VIEW)
        return DefWindowProcW(window, message, wParam, lParam);
    return reinterpret_cast<LRESULT>(
        UseColours(reinterpret_cast<HDC>(wParam), textColor, windowColor));
}

} // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
    LoadStringW(instance, IDS_APP_TITLE, windowTitle, 100);
    LoadStringW(instance, IDC_ZELMORA, windowClassName, 100);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_ZELMORA));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_ZELMORA), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszMenuName = MAKEINTRESOURCEW(IDC_ZELMORA);
    wc.lpszClassName = windowClassName;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateMainWindow(HINSTANCE instance) {
    const PositionRect& recorded = windowPositions[kPositionMainWindow];
    int x = CW_USEDEFAULT, y = 0, width = kDefaultMainWidth, height = kDefaultMainHeight;
    // A remembered rectangle whose top edge is 0 counts as absent.
    if (recorded.top != 0 && !IsPositionEmpty(recorded)) {
        x = recorded.left;
        y = recorded.top;
        width = recorded.right - recorded.left;
        height = recorded.bottom - recorded.top;
    }
    return CreateWindowExW(0, windowClassName, windowTitle, WS_OVERLAPPEDWINDOW, x, y, width,
                           height, nullptr, nullptr, instance, nullptr);
}

void RedrawResults() {
    if (mainWindow != nullptr) InvalidateRect(mainWindow, &plotRect, TRUE);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreateMainWindow(window);
    case WM_SIZE:
        LayOutBars(window);
        RedrawResults();
        RecordMainWindowRect(window);
        return 0;
    case WM_MOVE:
        RecordMainWindowRect(window);
        return 0;
    case WM_ACTIVATE:
        PlaceMainWindow(window);
        break;
    case WM_PAINT:
        PaintMainWindow(window);
        break;
    case WM_GETMINMAXINFO: {
        MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = kMinimumTrackWidth;
        info->ptMinTrackSize.y = kMinimumTrackHeight;
        return 0;
    }
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header != nullptr && header->code == RBN_HEIGHTCHANGE) {
            LayOutClientArea(window, rebarWindow, &plotRect);
            RedrawResults();
        }
        return 0;
    }
    case WM_DRAWITEM:
        return DrawStatusBar(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam),
                             StatusBarView{windowColor, textColor, statusBarOn, window});
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return OnColorEdit(window, message, wParam, lParam);
    case WM_COMMAND:
        return OnCommand(window, message, wParam, lParam);
    case WM_TIMER:
        return OnTimer(window, wParam);
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MOUSEWHEEL:
        HandlePlotMouse(window, message, wParam, lParam);
        return 0;
    case WM_CLOSE:
        return OnCloseMainWindow(window, wParam, lParam);
    case WM_DESTROY:
        OnDestroyMainWindow(window);
        return 0;
    default:
        if (message == kShowPendingErrorMessage) {
            ShowPostedError(window);
            return 0;
        }
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
