// The toolbars: their buttons, images and tooltips, and the internet button.
#include "ui/win32_toolbars.h"

#include <cwchar>

#include "resources/resource_ids.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "ui/internet_button_image.h"
#include "ui/web_site.h"

namespace {

const COLORREF kToolbarBackground = RGB(222, 228, 243);
const int kImageListGrowth = 999;
const int kTooltipChars = 64;

HBRUSH toolbarBackgroundBrush = nullptr;
HIMAGELIST toolbarImages[kToolbarCount] = {};

// One button record; a null text is a separator.
struct ButtonSpec {
    const wchar_t* text;
    int command;
    int image;
};

const ButtonSpec kSeparator = {nullptr, 0, 0};

const ButtonSpec kFileButtons[] = {
    kSeparator,
    {L"File Open", IDM_FILE_OPEN, 3},
    kSeparator,
    {L"File SaveAs", IDM_FILE_SAVEAS, 1},
    {L"File Save", IDM_FILE_SAVE, 0},
    kSeparator,
    {L"Print", IDM_FILE_PRINT, 5},
    kSeparator,
    {L"Internet Test Setup", IDM_INTERNET_SETUP_BUTTON, 13},
    kSeparator,
    {kWebSiteCaption, IDM_WEB_SITE, 11},
    kSeparator,
    {L"Default Windows Size and Position", IDM_DEFAULT_WINDOWS_BUTTON, 9},
    kSeparator,
};
const ButtonSpec kHelpButtons[] = {
    kSeparator,
    {L"Help Display - Main Display", IDM_HELP_MAIN_DISPLAY, 28},
    kSeparator,
};
const ButtonSpec kSunTimesButtons[] = {
    kSeparator,
    {L"Sun Times Selections", IDM_SUNTIMES_SELECTIONS, 0},
    kSeparator,
    {L"Sunrise and Sunset Times", IDM_MODE_TIMES, 1},
    {L"Daylight and Night Hours", IDM_MODE_LENGTHS, 2},
    kSeparator,
};
const ButtonSpec kDisplayButtons[] = {
    kSeparator,
    {L"Display Data", IDM_DISPLAY_TABLE, 3},
    {L"Plot Data", IDM_DISPLAY_PLOT, 4},
    kSeparator,
    {L"Display Times", IDM_DATA_TIME, 5},
    {L"Display Velocity", IDM_DATA_VELOCITY, 6},
    {L"Display Acceleration", IDM_DATA_ACCELERATION, 7},
    kSeparator,
};

const UINT kFileBitmaps[] = {IDB_FILE_TOOLS, 0};
const UINT kSunTimesBitmaps[] = {IDB_SUNTIMES_TOOLS, IDB_FILE_TOOLS, 0};

struct ToolbarSpec {
    const ButtonSpec* buttons;
    int count;
    const UINT* bitmaps;
};

#define TOOLBAR_SPEC(buttons, bitmaps)                                                             \
    { buttons, sizeof buttons / sizeof buttons[0], bitmaps }
const ToolbarSpec kToolbars[kToolbarCount] = {
    TOOLBAR_SPEC(kFileButtons, kFileBitmaps),
    TOOLBAR_SPEC(kHelpButtons, kSunTimesBitmaps),
    TOOLBAR_SPEC(kSunTimesButtons, kSunTimesBitmaps),
    TOOLBAR_SPEC(kDisplayButtons, kSunTimesBitmaps),
};
#undef TOOLBAR_SPEC

// The number of images each of the program's bitmaps holds.
int ExpectedImages(UINT bitmap) {
    if (bitmap == IDB_SUNTIMES_TOOLS) return 8;
    if (bitmap == IDB_FILE_TOOLS) return 23;
    return -1; // whatever it holds
}

bool IsSeparator(const TBBUTTON& button) {
    return (button.fsStyle & BTNS_SEP) != 0;
}

// A 24-bit strip of `count` images in the toolbar's background colour.
HBITMAP BlankStrip(int count) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = count * kToolbarImageSize;
    info.bmiHeader.biHeight = kToolbarImageSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP strip = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (strip == nullptr) return nullptr;
    const int stride = (count * kToolbarImageSize * 3 + 3) & ~3;
    BYTE* row = static_cast<BYTE*>(bits);
    for (int y = 0; y < kToolbarImageSize; ++y, row += stride)
        for (int x = 0; x < count * kToolbarImageSize; ++x) {
            row[3 * x] = GetBValue(kToolbarBackground);
            row[3 * x + 1] = GetGValue(kToolbarBackground);
            row[3 * x + 2] = GetRValue(kToolbarBackground);
        }
    return strip;
}

HIMAGELIST LoadToolbarImages(const UINT* bitmaps) {
    HIMAGELIST images =
        ImageList_Create(kToolbarImageSize, kToolbarImageSize, ILC_COLOR24, 0, kImageListGrowth);
    if (images == nullptr) return nullptr;
    for (const UINT* id = bitmaps; *id != 0; ++id) {
        HBITMAP bitmap =
            static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(*id),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (bitmap == nullptr) ReportError(L"Toolbar bitmap %u is missing", *id);
        AddToolbarImages(images, bitmap, ExpectedImages(*id));
        if (bitmap != nullptr) DeleteObject(bitmap);
    }
    return images;
}

// Adds each button's tooltip to the toolbar's strings; its string becomes the index.
void AddTooltipTexts(HWND toolbar, TBBUTTON* buttons, int count) {
    for (int i = 0; i < count; ++i) {
        if (IsSeparator(buttons[i])) continue;
        const wchar_t* text = reinterpret_cast<const wchar_t*>(buttons[i].iString);
        wchar_t list[kTooltipChars + 1] = {}; // the toolbar reads a list ending in two nulls
        CopyText(list, kTooltipChars, text != nullptr ? text : L"");
        buttons[i].iString =
            SendMessageW(toolbar, TB_ADDSTRINGW, 0, reinterpret_cast<LPARAM>(list));
    }
}

HWND CreateToolbarFromSpec(HWND parent, const ToolbarSpec& spec, int row) {
    TBBUTTON buttons[16] = {};
    const int count = spec.count < 16 ? spec.count : 16;
    for (int i = 0; i < count; ++i) {
        const ButtonSpec& b = spec.buttons[i];
        buttons[i].iBitmap = b.image;
        buttons[i].idCommand = b.command;
        buttons[i].fsStyle = b.text == nullptr ? BTNS_SEP : BTNS_BUTTON;
        buttons[i].iString = reinterpret_cast<INT_PTR>(b.text);
    }
    HWND toolbar = CreateToolbar(parent, spec.bitmaps, count, buttons);
    if (toolbar != nullptr) {
        HIMAGELIST images =
            reinterpret_cast<HIMAGELIST>(SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0));
        if (toolbarImages[row] != nullptr && toolbarImages[row] != images)
            ImageList_Destroy(toolbarImages[row]);
        toolbarImages[row] = images;
    }
    return toolbar;
}

void DestroyIfWindow(HWND& window) {
    if (window != nullptr && IsWindow(window)) DestroyWindow(window);
    window = nullptr;
}

} // namespace

int AddToolbarImages(HIMAGELIST images, HBITMAP bitmap, int expectedImages) {
    const int before = ImageList_GetImageCount(images);
    int added = 0;
    if (bitmap != nullptr && ImageList_Add(images, bitmap, nullptr) >= 0)
        added = ImageList_GetImageCount(images) - before;
    if (expectedImages < 0) return added;
    for (; added > expectedImages; --added)
        ImageList_Remove(images, before + added - 1);
    if (added < expectedImages) {
        HBITMAP blanks = BlankStrip(expectedImages - added);
        if (blanks != nullptr && ImageList_Add(images, blanks, nullptr) >= 0)
            added = ImageList_GetImageCount(images) - before;
        if (blanks != nullptr) DeleteObject(blanks);
    }
    return added;
}

HWND CreateToolbar(HWND parent, const UINT* bitmaps, int buttonCount, TBBUTTON* buttons) {
    int width = 0;
    for (int i = 0; i < buttonCount; ++i) {
        buttons[i].fsState = TBSTATE_ENABLED;
        if (IsSeparator(buttons[i])) {
            buttons[i].iBitmap = 0;
            buttons[i].idCommand = 0;
            buttons[i].iString = 0;
            width += kToolbarSeparatorWidth;
        } else {
            width += kToolbarButtonWidth;
        }
    }
    HWND toolbar = CreateWindowExW(
        0, TOOLBARCLASSNAMEW, nullptr,
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CCS_NORESIZE | TBSTYLE_TOOLTIPS,
        0, 0, width, kToolbarHeight, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (toolbar == nullptr) {
        ReportErrorCategory(kErrorLastError, L"Cannot create a toolbar");
        return nullptr;
    }
    if (toolbarBackgroundBrush == nullptr)
        toolbarBackgroundBrush = CreateSolidBrush(kToolbarBackground);
    SetClassLongPtrW(toolbar, GCLP_HBRBACKGROUND,
                     reinterpret_cast<LONG_PTR>(toolbarBackgroundBrush));

    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(LoadToolbarImages(bitmaps)));
    // No text under the buttons: their texts are the tooltips.
    SendMessageW(toolbar, TB_SETMAXTEXTROWS, 0, 0);
    SendMessageW(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
    // The system's small standard pictures follow the program's own. Loading
    // them takes their 16x16 size as the toolbar's picture size: set 20x20 again.
    SendMessageW(toolbar, TB_LOADIMAGES, IDB_STD_SMALL_COLOR,
                 reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    SendMessageW(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(kToolbarImageSize, kToolbarImageSize));
    SendMessageW(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(kToolbarImageSize, kToolbarImageSize));
    AddTooltipTexts(toolbar, buttons, buttonCount);
    SendMessageW(toolbar, TB_ADDBUTTONSW, buttonCount, reinterpret_cast<LPARAM>(buttons));
    ShowWindow(toolbar, SW_SHOW);
    return toolbar;
}

int CreateToolbars(HWND mainWindow) {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&classes);
    for (int row = 0; row < kBandRows; ++row)
        DestroyIfWindow(bandTable[row].toolbar);
    DestroyIfWindow(rebarWindow);

    int created = 0;
    for (int row = 0; row < kToolbarCount; ++row) {
        HWND toolbar = CreateToolbarFromSpec(mainWindow, kToolbars[row], row);
        bandTable[row].toolbar = toolbar;
        bandTable[row].breakBefore = false;
        SetRectEmpty(&bandTable[row].rect);
        if (toolbar == nullptr) continue;
        GetWindowRect(toolbar, &bandTable[row].rect);
        MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&bandTable[row].rect), 2);
        ++created;
    }

    rebarWindow = CreateWindowExW(
        WS_EX_TOOLWINDOW, REBARCLASSNAMEW, nullptr,
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER | WS_DLGFRAME, 0, 0,
        0, 0, mainWindow, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (rebarWindow == nullptr) {
        ReportErrorCategory(kErrorLastError, L"Cannot create the toolbar rebar");
        return created;
    }
    REBARINFO bar = {sizeof bar, 0, nullptr};
    SendMessageW(rebarWindow, RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&bar));
    InsertBands(rebarWindow, bandTable);
    SendMessageW(rebarWindow, WM_SIZE, 0, 0);
    return created;
}

void SetInternetButtonImage(unsigned stateWord) {
    HWND toolbar = bandTable[kFileToolbar].toolbar;
    if (toolbar == nullptr) return;
    SendMessageW(toolbar, TB_CHANGEBITMAP, IDM_INTERNET_SETUP_BUTTON,
                 MAKELPARAM(InternetButtonImage(stateWord), 0));
}

void CheckToolbarCommand(int command, bool pressed) {
    for (int row = 0; row < kToolbarCount; ++row) {
        HWND toolbar = bandTable[row].toolbar;
        if (toolbar == nullptr || SendMessageW(toolbar, TB_COMMANDTOINDEX, command, 0) < 0)
            continue;
        SendMessageW(toolbar, TB_CHECKBUTTON, command, MAKELPARAM(pressed ? TRUE : FALSE, 0));
    }
}
