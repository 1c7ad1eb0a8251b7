// The four toolbars of the main window (File, Help, Sun Times, Display) in
// one rebar, their band table, and the internet button's picture.
#pragma once

#include <windows.h>
#include <commctrl.h>

enum {
    kToolbarCount = 4, // File, Help, Sun Times, Display, in this order
    kBandRows = 6,     // two spare rows (bands 9405 and 9406) stay empty
    kToolbarHeight = 35,
    kToolbarButtonWidth = 26,
    kToolbarSeparatorWidth = 8,
    kToolbarImageSize = 20,
};

enum ToolbarRow { kFileToolbar = 0, kHelpToolbar = 1, kSunTimesToolbar = 2, kDisplayToolbar = 3 };

struct BandRow {
    HWND toolbar;        // null when it could not be created (no band)
    UINT bandId;         // 9401-9406
    int positionEntry;   // the toolbar's entry in the window position table (11 down to 6)
    UINT style;          // RBBS_* of this band, e.g. RBBS_USECHEVRON
    bool breakBefore;    // the band starts a new rebar row
    const wchar_t* text; // band caption (none in this program)
    RECT rect;           // the toolbar's rectangle at creation
};

extern BandRow bandTable[kBandRows];
extern HWND rebarWindow;

// The recorded screen rectangles of the four toolbars, in table order (File,
// Help, Sun Times, Display = position table entries 11, 10, 9, 8). The window
// positions keeper copies its entries here before CreateToolbars and takes
// them back after CreateToolbars and DefaultBands, which record the toolbars'
// rectangles here again. All zero: nothing recorded (the default row).
extern RECT recordedToolbarRects[kToolbarCount];

// Creates one toolbar on `parent` from its button records: separators get no
// image, command or text, every button is enabled and its tooltip is its
// `iString` text (replaced by the string index). `bitmaps` lists resource
// ids, ending in 0; a missing bitmap leaves blank images so the indices of
// the following ones hold. Returns null after a report.
HWND CreateToolbar(HWND parent, const UINT* bitmaps, int buttonCount, TBBUTTON* buttons);

// Adds `bitmap`'s 20x20 images to `images`, padded with blank images (or cut)
// to `expectedImages`; a null bitmap adds only blank ones. Returns the count added.
int AddToolbarImages(HIMAGELIST images, HBITMAP bitmap, int expectedImages);

// Creates the four toolbars and the rebar on the main window and inserts the
// bands (InsertBands). Returns the number of toolbars created.
int CreateToolbars(HWND mainWindow);

// Appends one band per created toolbar. When recordedToolbarRects is usable
// (every rectangle with right and bottom >= 0 and the height of its toolbar's
// client area less 6) the bands follow it: sorted by top, then left, a new
// row at each new top. Otherwise the records are emptied and the bands form
// one row in table order. Records the toolbars' rectangles afterwards.
void InsertBands(HWND rebar, BandRow* rows);

// "Default Windows Size and Position": the bands back in table order on one
// row at their natural widths; records the toolbars' rectangles.
void DefaultBands(BandRow* rows);

// Shows the picture of the connection state word (ui/internet_button_image.h)
// on the File toolbar's "Internet Test Setup" button.
void SetInternetButtonImage(unsigned stateWord);

// Shows a toolbar button pressed or not (the toggle buttons of the Sun Times
// and Display toolbars follow the menu's check marks).
void CheckToolbarCommand(int command, bool pressed);
