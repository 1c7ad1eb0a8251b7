// Control tables: child controls created and placed from coded positions
// (ui/position_code.h), used by the main window's text view and the help
// window. The table is the caller's; the layout only fills in the created
// windows and their rectangles.
#pragma once

#include <windows.h>

#include "ui/position_code.h"

struct ControlEntry {
    const wchar_t* className;
    const wchar_t* text;
    int id;
    PositionCodeValue x, y, width, height; // a width or height code of 0: no control
    DWORD style;
    HFONT* font; // null: the table's default font
    DWORD exStyle;
    void* param; // creation parameter
    HWND window; // null until created
    RECT rect;   // computed rectangle in the parent's client area
};

// An entry with the usual defaults: no extended style, no creation
// parameter, not yet created.
inline ControlEntry MakeControl(const wchar_t* className, const wchar_t* text, int id,
                                PositionCodeValue x, PositionCodeValue y, PositionCodeValue width,
                                PositionCodeValue height, DWORD style, HFONT* font = nullptr) {
    return {className, text, id, x,       y,       width,       height,
            style,     font, 0,  nullptr, nullptr, {0, 0, 0, 0}};
}

struct ControlTable {
    ControlEntry* entries;
    int count;
    HFONT* defaultFont;
    COLORREF* textColor;
};

// The control placed last by any layout call (all 0 at start): the base of
// the rules that build on the previous control.
extern PreviousPlacement lastPlacedControl;

// Computes every entry's rectangle in `area` (null: the parent's client
// area), destroys created controls whose width or height code is 0, moves the
// others, and creates the missing ones with their font. A "combobox" is one
// text line plus 6 pixels high. `bounds` (optional) receives the union of the
// rectangles. Returns 1; 0 when a control could not be created (the others
// are still placed); -1 for an empty area, which leaves everything as it was.
int CreateOrPlaceControls(ControlTable& table, HWND parent, const RECT* area, RECT* bounds);

// Recomputes the rectangles of the created controls in the parent's client
// area and moves them there.
void PlaceControlsAgain(ControlTable& table, HWND parent);
