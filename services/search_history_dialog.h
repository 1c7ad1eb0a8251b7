// The Search History dialog of the help window (template IDD_SEARCH_HISTORY):
// the history's texts, oldest first, several selectable; "Copy to Search"
// puts the one selected into the help window's search box, "Delete
// Selected" deletes the selected ones, "Done" closes. Windows only.
#pragma once

#include "support/platform_types.h"

enum { kHistoryMinimumWidth = 400, kHistoryMinimumHeight = 300 };

// Runs the dialog modally, owned by `owner`.
void RunSearchHistoryDialog(HWND owner);
