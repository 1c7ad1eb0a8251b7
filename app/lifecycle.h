// Start-up (WM_CREATE) and shut-down (WM_CLOSE, WM_DESTROY) of the main
// window. Windows only.
#pragma once

#include "support/platform_types.h"

LRESULT OnCreateMainWindow(HWND window);
LRESULT OnCloseMainWindow(HWND window, WPARAM wParam, LPARAM lParam);
void OnDestroyMainWindow(HWND window);
