#include "settings/window_placement.h"

#include "settings/copy_number.h"
#include "settings/screen_size.h"
#include "settings/window_positions.h"
#include "support/text_tokens.h"

namespace {

int copyNumber = -1;

// Each running copy owns the first free number; its windows are shifted by
// the cascade offset that the number brings.
void NumberThisCopy() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    path[MAX_PATH - 1] = L'\0';
    wchar_t* name = path + (FileNamePart(path) - path);
    for (wchar_t* p = name + lstrlenW(name); p > name; --p)
        if (*p == L'.') {
            *p = L'\0';
            break;
        }
    CopyNumber claimed = ClaimCopyNumber(name);
    copyNumber = claimed.number;
    cascadeOffset += claimed.offset;
}

} // namespace

int RunningCopyNumber() {
    return copyNumber < 0 ? 0 : copyNumber;
}

void PlaceMainWindow(HWND window) {
    if (copyNumber < 0) NumberThisCopy();
    // A minimized or maximized window keeps the place the system gave it.
    if (IsIconic(window) || IsZoomed(window)) return;
    const PositionRect& entry = windowPositions[kPositionMainWindow];
    if (!IsPositionEmpty(entry)) {
        SetWindowPos(window, nullptr, entry.left + cascadeOffset, entry.top + cascadeOffset,
                     entry.right - entry.left, entry.bottom - entry.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(window, nullptr, cascadeOffset + kDefaultMainLeft,
                     cascadeOffset + kDefaultMainLeft, kDefaultMainWidth, kDefaultMainHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void PlaceWindow(HWND parent, HWND window, int index, int dx, int dy) {
    int32_t width = 0, height = 0;
    VirtualScreenSize(&width, &height);
    const bool resizable = (GetWindowLongW(window, GWL_STYLE) & WS_THICKFRAME) != 0;
    if (index >= 0 && index < kPositionCount && !IsPositionEmpty(windowPositions[index])) {
        PositionRect& entry = windowPositions[index];
        ClampToScreen(&entry, width, height);
        if (resizable)
            SetWindowPos(window, nullptr, entry.left + cascadeOffset, entry.top + cascadeOffset,
                         entry.right - entry.left, entry.bottom - entry.top, SWP_NOZORDER);
        else
            SetWindowPos(window, nullptr, entry.left + cascadeOffset, entry.top + cascadeOffset, 0,
                         0, SWP_NOZORDER | SWP_NOSIZE);
        return;
    }
    RECT parentRect{}, own{};
    if (parent != nullptr) GetWindowRect(parent, &parentRect);
    GetWindowRect(window, &own);
    const int ownHeight = own.bottom - own.top;
    int x = dx == -2 ? parentRect.right : parentRect.left + dx;
    int y;
    switch (dy) {
    case -4:
        y = parentRect.bottom - ownHeight;
        break;
    case -3:
        y = parentRect.top;
        break;
    case -2:
        y = parentRect.bottom;
        break;
    case -1:
        y = parentRect.top + (parentRect.bottom - parentRect.top - ownHeight) / 2;
        break;
    default:
        y = parentRect.top + dy;
        break;
    }
    if (x < 0 || x >= width - 100) x = 0;
    if (y < 0 || y >= height - 100) y = 0;
    if (resizable)
        SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOZORDER);
    else
        SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
}

void StorePosition(HWND window, int index) {
    if (window == nullptr || index < 0 || index >= kPositionCount) return;
    RECT rect{};
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if ((IsIconic(window) || IsZoomed(window)) && GetWindowPlacement(window, &placement)) {
        // A minimized window reports -32000 and a maximized one the whole
        // screen: remember where the window will return to instead.
        rect = placement.rcNormalPosition;
    } else if (!GetWindowRect(window, &rect)) {
        return;
    }
    windowPositions[index] = RememberedRect(rect.left, rect.top, rect.right, rect.bottom);
}
