#include "ui/win32_toolbars.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "support/error_report.h"
#include "ui/web_site.h"
#include "ui_test_window.h"

namespace {

struct Button {
    int command;
    int image;
    std::wstring tooltip;
};

// The non-separator buttons of a toolbar, in order, with their tooltips.
std::vector<Button> ButtonsOf(HWND toolbar) {
    std::vector<Button> buttons;
    const int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON b = {};
        SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b));
        if (b.fsStyle & BTNS_SEP) continue;
        wchar_t text[128] = L"";
        SendMessageW(toolbar, TB_GETBUTTONTEXTW, b.idCommand, reinterpret_cast<LPARAM>(text));
        buttons.push_back({b.idCommand, b.iBitmap, text});
    }
    return buttons;
}

int ImageCount(HWND toolbar) {
    return ImageList_GetImageCount(
        reinterpret_cast<HIMAGELIST>(SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0)));
}

struct Band {
    UINT id;
    UINT style;
    HWND child;
};

std::vector<Band> BandsOf(HWND rebar) {
    std::vector<Band> bands;
    const int count = static_cast<int>(SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        REBARBANDINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = RBBIM_ID | RBBIM_STYLE | RBBIM_CHILD;
        SendMessageW(rebar, RB_GETBANDINFOW, i, reinterpret_cast<LPARAM>(&info));
        bands.push_back({info.wID, info.fStyle, info.hwndChild});
    }
    return bands;
}

std::vector<UINT> BandIds(HWND rebar) {
    std::vector<UINT> ids;
    for (const Band& band : BandsOf(rebar))
        ids.push_back(band.id);
    return ids;
}

int RowCount() {
    return static_cast<int>(SendMessageW(rebarWindow, RB_GETROWCOUNT, 0, 0));
}

class Toolbars : public ::testing::Test {
  protected:
    HWND window = nullptr;

    void SetUp() override {
        TakePendingError();
        for (RECT& r : recordedToolbarRects)
            SetRectEmpty(&r);
        window = uitest::CreateTestWindow(900, 400);
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(CreateToolbars(window), kToolbarCount);
        EXPECT_FALSE(HasPendingError()); // every bitmap was found
    }
    void TearDown() override {
        DestroyWindow(window);
        uitest::DrainMessages();
        TakePendingError();
    }

    // Creates the toolbars again with these records.
    void CreateWithRecords(const RECT (&records)[kToolbarCount]) {
        for (int i = 0; i < kToolbarCount; ++i)
            recordedToolbarRects[i] = records[i];
        ASSERT_EQ(CreateToolbars(window), kToolbarCount);
    }

    // The client height of a toolbar just created, before a band sizes it.
    int NewToolbarClientHeight() {
        const UINT none[] = {0};
        TBBUTTON button = {};
        button.iString = reinterpret_cast<INT_PTR>(L"X");
        HWND toolbar = CreateToolbar(window, none, 1, &button);
        RECT client;
        GetClientRect(toolbar, &client);
        DestroyWindow(toolbar);
        return client.bottom - client.top;
    }
};

TEST_F(Toolbars, ButtonsCommandsImagesAndTooltips) {
    const std::vector<std::vector<Button>> expected = {
        {{IDM_FILE_OPEN, 3, L"File Open"},
         {IDM_FILE_SAVEAS, 1, L"File SaveAs"},
         {IDM_FILE_SAVE, 0, L"File Save"},
         {IDM_FILE_PRINT, 5, L"Print"},
         {IDM_INTERNET_SETUP_BUTTON, 13, L"Internet Test Setup"},
         {IDM_WEB_SITE, 11, kWebSiteCaption},
         {IDM_DEFAULT_WINDOWS_BUTTON, 9, L"Default Windows Size and Position"}},
        {{IDM_HELP_MAIN_DISPLAY, 28, L"Help Display - Main Display"}},
        {{IDM_SUNTIMES_SELECTIONS, 0, L"Sun Times Selections"},
         {IDM_MODE_TIMES, 1, L"Sunrise and Sunset Times"},
         {IDM_MODE_LENGTHS, 2, L"Daylight and Night Hours"}},
        {{IDM_DISPLAY_TABLE, 3, L"Display Data"},
         {IDM_DISPLAY_PLOT, 4, L"Plot Data"},
         {IDM_DATA_TIME, 5, L"Display Times"},
         {IDM_DATA_VELOCITY, 6, L"Display Velocity"},
         {IDM_DATA_ACCELERATION, 7, L"Display Acceleration"}},
    };
    const int records[kToolbarCount] = {14, 3, 6, 8}; // separators included
    for (int row = 0; row < kToolbarCount; ++row) {
        HWND toolbar = bandTable[row].toolbar;
        ASSERT_NE(toolbar, nullptr);
        EXPECT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), records[row]);
        const std::vector<Button> buttons = ButtonsOf(toolbar);
        ASSERT_EQ(buttons.size(), expected[row].size()) << row;
        for (size_t i = 0; i < buttons.size(); ++i) {
            EXPECT_EQ(buttons[i].command, expected[row][i].command);
            EXPECT_EQ(buttons[i].image, expected[row][i].image) << buttons[i].command;
            EXPECT_EQ(buttons[i].tooltip, expected[row][i].tooltip);
            EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONENABLED, buttons[i].command, 0));
        }
    }
    EXPECT_EQ(std::wstring(kWebSiteCaption), L"&View Zelmora Web Site");
}

TEST_F(Toolbars, TooltipAsksTheButtonText) {
    HWND toolbar = bandTable[kFileToolbar].toolbar;
    HWND tips = reinterpret_cast<HWND>(SendMessageW(toolbar, TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tips, nullptr);
    NMTTDISPINFOW info = {};
    info.hdr.hwndFrom = tips;
    info.hdr.idFrom = IDM_FILE_PRINT;
    info.hdr.code = TTN_GETDISPINFOW;
    info.lpszText = info.szText; // as the tooltip control hands it over
    SendMessageW(toolbar, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(info.lpszText, L"Print");
}

TEST_F(Toolbars, SizesAndImageLists) {
    const int widths[kToolbarCount] = {7 * 26 + 7 * 8, 26 + 2 * 8, 3 * 26 + 3 * 8, 5 * 26 + 3 * 8};
    for (int row = 0; row < kToolbarCount; ++row) {
        EXPECT_EQ(bandTable[row].rect.right - bandTable[row].rect.left, widths[row]);
        EXPECT_EQ(bandTable[row].rect.bottom - bandTable[row].rect.top, kToolbarHeight);
        EXPECT_TRUE(GetWindowLongW(bandTable[row].toolbar, GWL_STYLE) & TBSTYLE_TOOLTIPS);
    }
    // 23 images of bitmap 9600, 8 + 23 of 111 and 9600, then the standard ones.
    const int file = ImageCount(bandTable[kFileToolbar].toolbar);
    EXPECT_GT(file, 23);
    EXPECT_EQ(ImageCount(bandTable[kHelpToolbar].toolbar), file + 8);
    EXPECT_EQ(ImageCount(bandTable[kDisplayToolbar].toolbar), file + 8);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(
        reinterpret_cast<HIMAGELIST>(SendMessageW(bandTable[0].toolbar, TB_GETIMAGELIST, 0, 0)),
        &cx, &cy);
    EXPECT_EQ(cx, 20);
    EXPECT_EQ(cy, 20);
    LOGBRUSH background = {};
    GetObjectW(reinterpret_cast<HBRUSH>(GetClassLongPtrW(bandTable[0].toolbar, GCLP_HBRBACKGROUND)),
               sizeof background, &background);
    EXPECT_EQ(background.lbColor, RGB(222, 228, 243));
}

TEST_F(Toolbars, MissingBitmapIsReportedAndLeavesTheButtons) {
    const UINT missing[] = {4321, 0};
    TBBUTTON buttons[2] = {};
    buttons[0].fsStyle = BTNS_SEP;
    buttons[1].idCommand = 77;
    buttons[1].iString = reinterpret_cast<INT_PTR>(L"Spare");
    HWND toolbar = CreateToolbar(window, missing, 2, buttons);
    ASSERT_NE(toolbar, nullptr);
    ASSERT_TRUE(HasPendingError());
    EXPECT_NE(std::wstring(TakePendingError().message).find(L"4321"), std::wstring::npos);
    EXPECT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 2);
    EXPECT_EQ(ButtonsOf(toolbar)[0].tooltip, L"Spare");
}

TEST_F(Toolbars, RebarHoldsOneBandPerToolbarInOneRow) {
    ASSERT_NE(rebarWindow, nullptr);
    EXPECT_EQ(GetParent(rebarWindow), window);
    const LONG style = GetWindowLongW(rebarWindow, GWL_STYLE);
    const LONG wanted =
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER | WS_DLGFRAME;
    EXPECT_EQ(style & wanted, wanted);
    EXPECT_TRUE(GetWindowLongW(rebarWindow, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    const std::vector<Band> bands = BandsOf(rebarWindow);
    ASSERT_EQ(bands.size(), 4u);
    for (int i = 0; i < kToolbarCount; ++i) {
        EXPECT_EQ(bands[i].id, static_cast<UINT>(IDB_BAND_FILE + i));
        EXPECT_EQ(bands[i].child, bandTable[i].toolbar);
        EXPECT_EQ(bands[i].style & (RBBS_GRIPPERALWAYS | RBBS_CHILDEDGE),
                  static_cast<UINT>(RBBS_GRIPPERALWAYS | RBBS_CHILDEDGE));
        EXPECT_FALSE(bands[i].style & RBBS_BREAK);
    }
    EXPECT_EQ(RowCount(), 1);
    // The bands' toolbars were recorded where the rebar put them.
    for (int i = 0; i < kToolbarCount; ++i) {
        RECT now;
        GetWindowRect(bandTable[i].toolbar, &now);
        EXPECT_TRUE(EqualRect(&now, &recordedToolbarRects[i])) << i;
    }
}

TEST_F(Toolbars, UnusableRecordsFallBackToOneRowInTableOrder) {
    const int h = NewToolbarClientHeight() - 6;
    // Display first and two rows, but one rectangle is off the screen...
    const RECT offScreen[kToolbarCount] = {
        {300, 10, 546, 10 + h}, {10, 60, 52, 60 + h}, {100, 60, 202, 60 + h}, {10, 10, -5, 10 + h}};
    CreateWithRecords(offScreen);
    EXPECT_EQ(BandIds(rebarWindow), (std::vector<UINT>{9401, 9402, 9403, 9404}));
    EXPECT_EQ(RowCount(), 1);
    // ...one does not fit the toolbar's height...
    RECT tooLow[kToolbarCount] = {{300, 10, 546, 10 + h},
                                  {10, 60, 52, 60 + h},
                                  {100, 60, 202, 60 + h},
                                  {10, 10, 164, 10 + h}};
    tooLow[1].bottom += 1;
    CreateWithRecords(tooLow);
    EXPECT_EQ(BandIds(rebarWindow), (std::vector<UINT>{9401, 9402, 9403, 9404}));
    EXPECT_EQ(RowCount(), 1);
    // ...or nothing was recorded at all.
    const RECT empty[kToolbarCount] = {};
    CreateWithRecords(empty);
    EXPECT_EQ(BandIds(rebarWindow), (std::vector<UINT>{9401, 9402, 9403, 9404}));
    for (int i = 0; i < kToolbarCount; ++i)
        EXPECT_FALSE(bandTable[i].breakBefore);
}

TEST_F(Toolbars, UsableRecordsGiveOrderAndRows) {
    const int h = NewToolbarClientHeight() - 6;
    // Row 1: Display, File; row 2: Sun Times, Help.
    const RECT records[kToolbarCount] = {{300, 10, 546, 10 + h},
                                         {200, 60, 242, 60 + h},
                                         {10, 60, 112, 60 + h},
                                         {10, 10, 164, 10 + h}};
    CreateWithRecords(records);
    EXPECT_EQ(BandIds(rebarWindow), (std::vector<UINT>{9404, 9401, 9403, 9402}));
    const std::vector<Band> bands = BandsOf(rebarWindow);
    EXPECT_FALSE(bands[0].style & RBBS_BREAK);
    EXPECT_FALSE(bands[1].style & RBBS_BREAK);
    EXPECT_TRUE(bands[2].style & RBBS_BREAK);
    EXPECT_FALSE(bands[3].style & RBBS_BREAK);
    EXPECT_EQ(RowCount(), 2);

    // "Default Windows Size and Position" puts them back in one row.
    DefaultBands(bandTable);
    EXPECT_EQ(BandIds(rebarWindow), (std::vector<UINT>{9401, 9402, 9403, 9404}));
    for (const Band& band : BandsOf(rebarWindow))
        EXPECT_FALSE(band.style & RBBS_BREAK);
    EXPECT_EQ(RowCount(), 1);
    RECT now;
    GetWindowRect(bandTable[kDisplayToolbar].toolbar, &now);
    EXPECT_TRUE(EqualRect(&now, &recordedToolbarRects[kDisplayToolbar]));
}

TEST_F(Toolbars, RecordedArrangementComesBackNextTime) {
    const int h = NewToolbarClientHeight() - 6;
    const RECT twoRows[kToolbarCount] = {{10, 60, 256, 60 + h},
                                         {300, 10, 342, 10 + h},
                                         {10, 10, 112, 10 + h},
                                         {300, 60, 454, 60 + h}};
    CreateWithRecords(twoRows);
    const std::vector<UINT> arranged = BandIds(rebarWindow);
    EXPECT_EQ(arranged, (std::vector<UINT>{9403, 9402, 9401, 9404}));
    // What the program recorded of that arrangement brings it back.
    RECT recorded[kToolbarCount];
    for (int i = 0; i < kToolbarCount; ++i)
        recorded[i] = recordedToolbarRects[i];
    CreateWithRecords(recorded);
    EXPECT_EQ(BandIds(rebarWindow), arranged);
    EXPECT_EQ(RowCount(), 2);
}

TEST_F(Toolbars, InternetButtonShowsTheConnectionState) {
    HWND toolbar = bandTable[kFileToolbar].toolbar;
    const int index =
        static_cast<int>(SendMessageW(toolbar, TB_COMMANDTOINDEX, IDM_INTERNET_SETUP_BUTTON, 0));
    const unsigned states[] = {17, 5, 1, 9, 0, 16};
    const int images[] = {14, 17, 16, 15, 18, 13};
    for (int i = 0; i < 6; ++i) {
        SetInternetButtonImage(states[i]);
        TBBUTTON b = {};
        SendMessageW(toolbar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&b));
        EXPECT_EQ(b.iBitmap, images[i]) << states[i];
    }
}

TEST_F(Toolbars, ToggleButtonsFollowTheChecks) {
    CheckToolbarCommand(IDM_DISPLAY_PLOT, true);
    CheckToolbarCommand(IDM_MODE_LENGTHS, true);
    EXPECT_TRUE(
        SendMessageW(bandTable[kDisplayToolbar].toolbar, TB_ISBUTTONCHECKED, IDM_DISPLAY_PLOT, 0));
    EXPECT_TRUE(
        SendMessageW(bandTable[kSunTimesToolbar].toolbar, TB_ISBUTTONCHECKED, IDM_MODE_LENGTHS, 0));
    CheckToolbarCommand(IDM_DISPLAY_PLOT, false);
    EXPECT_FALSE(
        SendMessageW(bandTable[kDisplayToolbar].toolbar, TB_ISBUTTONCHECKED, IDM_DISPLAY_PLOT, 0));
}

// A 24-bit strip of 20x20 images, image i filled with colors[i].
HBITMAP Strip(const std::vector<COLORREF>& colors) {
    HDC screen = GetDC(nullptr);
    HBITMAP strip = CreateCompatibleBitmap(screen, 20 * static_cast<int>(colors.size()), 20);
    ReleaseDC(nullptr, screen);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, strip);
    for (size_t i = 0; i < colors.size(); ++i) {
        RECT r = {static_cast<LONG>(20 * i), 0, static_cast<LONG>(20 * i + 20), 20};
        HBRUSH brush = CreateSolidBrush(colors[i]);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return strip;
}

COLORREF ImageColor(HIMAGELIST images, int index) {
    uitest::PixelCanvas canvas(20, 20);
    ImageList_Draw(images, index, canvas.dc(), 0, 0, ILD_NORMAL);
    return canvas.At(10, 10);
}

TEST(ToolbarImages, ShortBitmapsArePaddedLongOnesCut) {
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), green = RGB(0, 255, 0);
    HIMAGELIST images = ImageList_Create(20, 20, ILC_COLOR24, 0, 999);
    HBITMAP two = Strip({red, blue});
    EXPECT_EQ(AddToolbarImages(images, two, 4), 4);
    HBITMAP three = Strip({green, blue, red});
    EXPECT_EQ(AddToolbarImages(images, three, 2), 2);
    EXPECT_EQ(AddToolbarImages(images, nullptr, 3), 3);
    EXPECT_EQ(AddToolbarImages(images, three, -1), 3);
    EXPECT_EQ(ImageList_GetImageCount(images), 12);
    EXPECT_EQ(ImageColor(images, 0), red);
    EXPECT_EQ(ImageColor(images, 1), blue);
    EXPECT_EQ(ImageColor(images, 2), RGB(222, 228, 243)); // blank
    EXPECT_EQ(ImageColor(images, 4), green);
    EXPECT_EQ(ImageColor(images, 5), blue);
    EXPECT_EQ(ImageColor(images, 6), RGB(222, 228, 243));
    EXPECT_EQ(ImageColor(images, 11), red);
    DeleteObject(two);
    DeleteObject(three);
    ImageList_Destroy(images);
}

} // namespace
