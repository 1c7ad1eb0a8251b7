// The main window's bars: toolbars in the rebar above, the status bar below.
#include "app/bars.h"

#include "app/program_state.h"
#include "settings/window_placement.h"
#include "settings/window_positions.h"
#include "ui/win32_status_bar.h"
#include "ui/win32_support.h"
#include "ui/win32_toolbars.h"

void RefreshStatusBar() {
    SetStatus(L"");
}

void LayOutBars(HWND window) {
    if (rebarWindow != nullptr) SendMessageW(rebarWindow, WM_SIZE, 0, 0);
    CreateStatusBar(window);
    LayOutClientArea(window, rebarWindow, &plotRect);
}

void RestoreToolbarRects() {
    for (int row = 0; row < kToolbarCount; ++row) {
        const PositionRect& entry = windowPositions[bandTable[row].positionEntry];
        recordedToolbarRects[row] = RECT{entry.left, entry.top, entry.right, entry.bottom};
    }
}

void RecordToolbarRects() {
    for (int row = 0; row < kToolbarCount; ++row) {
        if (bandTable[row].toolbar == nullptr) continue;
        StorePosition(bandTable[row].toolbar, bandTable[row].positionEntry);
    }
}
