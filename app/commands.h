// WM_COMMAND of the main window: menu items, toolbar buttons, accelerators.
// Windows only.
#pragma once

#include "support/platform_types.h"

// Carries out the command (after the window procedure cleared a pending
// error); unknown commands go to DefWindowProcW.
LRESULT DispatchCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Menu check marks, the selection dialog's check boxes and toolbar button
// states after a change of state.
void RefreshChecks();
