// The help window: the whole help text (services/help_text.h) in one
// modeless window owned by the main window, with a search box whose list is
// the search history, "Find <", "Find >" and "Done", a File menu (save and
// print the text, close) and a Search menu (find both ways, the Search
// History dialog). At most one exists. Windows only.
#pragma once

#include "support/platform_types.h"

enum { kHelpMinimumWidth = 660, kHelpMinimumHeight = 300 };

// Opens the help window (or restores the open one) and, when `heading` is
// given, scrolls the first line that holds it to the top and selects it.
// Returns the window, or null after "Help Dialog Failed" (category 11).
HWND ShowHelpWindow(HWND owner, const wchar_t* heading);

// The open help window, or null.
HWND HelpWindow();

// The search box's text; Find reads it. Nothing when the window is closed.
void SetHelpSearchText(const wchar_t* text);

// Finds the search box's text forwards or backwards from the caret, as the
// "Find >" and "Find <" buttons do. False when nothing was found (the error
// beep sounded) or the window is closed.
bool FindInHelpWindow(bool forwards);

// Writes the help text to `path` as UTF-8 with CR LF line ends, as the
// File menu's "Save&As" does. False after "Failed Save As File: %s".
bool SaveHelpTextTo(const wchar_t* path);
