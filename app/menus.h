// The menu bar, built in code from tables of item records. Windows only.
#pragma once

#include "support/platform_types.h"

struct MenuItemRecord {
    const wchar_t* caption; // "&" marks the mnemonic; null for a separator
    int command;            // -1 for a separator
    UINT flags;             // AppendMenuW flags: 0 for a command, MF_SEPARATOR
    WORD uncheckedBitmap;   // check-mark bitmaps by resource id, 0 = none
    WORD checkedBitmap;
    HMENU submenu; // null for a command item
};

// Builds the four popups and sets the menu bar on the window (again, when
// it has one already).
void BuildMenus(HWND window);
// Check marks of the menu items that show a state.
void RefreshMenuChecks(HWND window);
