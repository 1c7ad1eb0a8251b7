#include "ui/win32_toolbars.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "resources/resource_ids.h"
#include "support/error_report.h"
#include "ui/web_site.h"
#include "ui_test_window.h"

namespace {

const COLORREF kBackground = RGB(222, 228, 243);
using Ids = std::vector<UINT>;
const Ids kTableOrder = {9401, 9402, 9403, 9404}; // IDB_BAND_FILE onwards

using Button = std::tuple<int, int, std::wstring>; // command, image, tooltip

// The non-separator buttons of a toolbar, in order, with their tooltips.
std::vector<Button> ButtonsOf(HWND toolbar) {
    std::vector<Button> buttons;
    for (int i = 0; i < SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0); ++i) {
        TBBUTTON b = {};
        SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b));
        wchar_t text[128] = L"";
        SendMessageW(toolbar, TB_GETBUTTONTEXTW, b.idCommand, reinterpret_cast<LPARAM>(text));
        if ((b.fsStyle & BTNS_SEP) == 0) buttons.push_back({b.idCommand, b.iBitmap, text});
    }
    return buttons;
}

HIMAGELIST ImagesOf(HWND toolbar) {
    return reinterpret_cast<HIMAGELIST>(SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0));
}

// The rebar's bands: their ids, and the styles of those that start a row.
Ids BandIds(std::vector<bool>* breaks = nullptr) {
    Ids ids;
    for (int i = 0; i < SendMessageW(rebarWindow, RB_GETBANDCOUNT, 0, 0); ++i) {
        REBARBANDINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = RBBIM_ID | RBBIM_STYLE;
        SendMessageW(rebarWindow, RB_GETBANDINFOW, i, reinterpret_cast<LPARAM>(&info));
        ids.push_back(info.wID);
        if (breaks != nullptr) breaks->push_back((info.fStyle & RBBS_BREAK) != 0);
    }
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

    // Creates the toolbars again with these records, each `h` high where the
    // toolbar's height fits.
    void CreateWithRecords(const RECT (&records)[kToolbarCount]) {
        for (int i = 0; i < kToolbarCount; ++i)
            recordedToolbarRects[i] = records[i];
        ASSERT_EQ(CreateToolbars(window), kToolbarCount);
    }
    // The client height of a toolbar just created, before a band sizes it, less 6.
    int RecordHeight() {
        TBBUTTON button = {};
        button.iString = reinterpret_cast<INT_PTR>(L"X");
        const UINT none[] = {0};
        HWND toolbar = CreateToolbar(window, none, 1, &button);
        RECT client;
        GetClientRect(toolbar, &client);
        DestroyWindow(toolbar);
        return client.bottom - client.top - 6;
    }
    static bool Checked(ToolbarRow row, int command) {
        return SendMessageW(bandTable[row].toolbar, TB_ISBUTTONCHECKED, command, 0) != 0;
    }
};

TEST_F(Toolbars, ButtonsCommandsImagesAndTooltips) {
    const std::vector<std::vector<Button>> expected = {
        {{IDM_FILE_OPEN, 3, L"File Open"},
         {IDM_FILE_SAVEAS, 1, L"File SaveAs"},
         {IDM_FILE_SAVE, 0, L"File Save"},
         {IDM_FILE_PRINT, 5, L"Print"},
         {IDM_INTERNET_SETUP_BUTTON, 13, L"Internet Test Setup"},
         {IDM_WEB_SITE, 11, L"&View Zelmora Web Site"},
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
    for (int row = 0; row < kToolbarCount; ++row) {
        SCOPED_TRACE(row);
        HWND toolbar = bandTable[row].toolbar;
        ASSERT_NE(toolbar, nullptr);
        EXPECT_EQ(ButtonsOf(toolbar), expected[row]);
        for (const Button& b : expected[row])
            EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONENABLED, std::get<0>(b), 0)) << row;
    }
    EXPECT_STREQ(kWebSiteCaption, L"&View Zelmora Web Site");

    // The tooltip asks the button's text.
    HWND toolbar = bandTable[kFileToolbar].toolbar;
    NMTTDISPINFOW info = {};
    info.hdr = {reinterpret_cast<HWND>(SendMessageW(toolbar, TB_GETTOOLTIPS, 0, 0)), IDM_FILE_PRINT,
                UINT(TTN_GETDISPINFOW)};
    ASSERT_NE(info.hdr.hwndFrom, nullptr);
    info.lpszText = info.szText; // as the tooltip control hands it over
    SendMessageW(toolbar, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(info.lpszText, L"Print");

    // 23 images of bitmap 9600, 8 + 23 of 111 and 9600, then the standard ones,
    // on the toolbar colour.
    const int file = ImageList_GetImageCount(ImagesOf(toolbar));
    EXPECT_GT(file, 23);
    EXPECT_EQ(ImageList_GetImageCount(ImagesOf(bandTable[kHelpToolbar].toolbar)), file + 8);
    EXPECT_EQ(ImageList_GetImageCount(ImagesOf(bandTable[kDisplayToolbar].toolbar)), file + 8);
    LOGBRUSH background = {};
    GetObjectW(reinterpret_cast<HBRUSH>(GetClassLongPtrW(toolbar, GCLP_HBRBACKGROUND)),
               sizeof background, &background);
    EXPECT_EQ(background.lbColor, kBackground);
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
    EXPECT_EQ(std::get<2>(ButtonsOf(toolbar)[0]), L"Spare");
}

TEST_F(Toolbars, RebarHoldsOneBandPerToolbarInOneRow) {
    ASSERT_NE(rebarWindow, nullptr);
    EXPECT_EQ(GetParent(rebarWindow), window);
    EXPECT_EQ(BandIds(), kTableOrder);
    EXPECT_EQ(RowCount(), 1);
    for (int i = 0; i < kToolbarCount; ++i) {
        REBARBANDINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = RBBIM_STYLE | RBBIM_CHILD;
        SendMessageW(rebarWindow, RB_GETBANDINFOW, i, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.hwndChild, bandTable[i].toolbar);
        const UINT style = RBBS_GRIPPERALWAYS | RBBS_CHILDEDGE;
        EXPECT_EQ(info.fStyle & (style | RBBS_BREAK), style);
        // The bands' toolbars were recorded where the rebar put them.
        RECT now;
        GetWindowRect(bandTable[i].toolbar, &now);
        EXPECT_TRUE(EqualRect(&now, &recordedToolbarRects[i])) << i;
    }
}

// A rectangle off the screen, one that does not fit the toolbar's height, or
// nothing recorded at all: one row in table order.
TEST_F(Toolbars, UnusableRecordsFallBackToOneRowInTableOrder) {
    const int h = RecordHeight();
    RECT records[3][kToolbarCount] = {{{300, 10, 546, 10 + h},
                                       {10, 60, 52, 60 + h},
                                       {100, 60, 202, 60 + h},
                                       {10, 10, -5, 10 + h}},
                                      {{300, 10, 546, 10 + h},
                                       {10, 60, 52, 61 + h},
                                       {100, 60, 202, 60 + h},
                                       {10, 10, 164, 10 + h}},
                                      {}};
    for (const auto& r : records) {
        CreateWithRecords(r);
        EXPECT_EQ(BandIds(), kTableOrder);
        EXPECT_EQ(RowCount(), 1);
        for (int i = 0; i < kToolbarCount; ++i)
            EXPECT_FALSE(bandTable[i].breakBefore);
    }
}

TEST_F(Toolbars, UsableRecordsGiveOrderAndRowsUntilTheDefault) {
    const int h = RecordHeight();
    // Row 1: Display, File; row 2: Sun Times, Help.
    CreateWithRecords({{300, 10, 546, 10 + h},
                       {200, 60, 242, 60 + h},
                       {10, 60, 112, 60 + h},
                       {10, 10, 164, 10 + h}});
    std::vector<bool> breaks;
    EXPECT_EQ(BandIds(&breaks), (Ids{9404, 9401, 9403, 9402}));
    EXPECT_EQ(breaks, (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(RowCount(), 2);

    // "Default Windows Size and Position" puts them back in one row.
    DefaultBands(bandTable);
    breaks.clear();
    EXPECT_EQ(BandIds(&breaks), kTableOrder);
    EXPECT_EQ(breaks, std::vector<bool>(kToolbarCount, false));
    EXPECT_EQ(RowCount(), 1);
    RECT now;
    GetWindowRect(bandTable[kDisplayToolbar].toolbar, &now);
    EXPECT_TRUE(EqualRect(&now, &recordedToolbarRects[kDisplayToolbar]));

    // What the program records of an arrangement brings it back next time.
    CreateWithRecords({{10, 60, 256, 60 + h},
                       {300, 10, 342, 10 + h},
                       {10, 10, 112, 10 + h},
                       {300, 60, 454, 60 + h}});
    EXPECT_EQ(BandIds(), (Ids{9403, 9402, 9401, 9404}));
    RECT recorded[kToolbarCount];
    std::copy(recordedToolbarRects, recordedToolbarRects + kToolbarCount, recorded);
    CreateWithRecords(recorded);
    EXPECT_EQ(BandIds(), (Ids{9403, 9402, 9401, 9404}));
    EXPECT_EQ(RowCount(), 2);
}

TEST_F(Toolbars, InternetButtonAndToggleButtonsShowTheirState) {
    HWND toolbar = bandTable[kFileToolbar].toolbar;
    const int index =
        static_cast<int>(SendMessageW(toolbar, TB_COMMANDTOINDEX, IDM_INTERNET_SETUP_BUTTON, 0));
    const unsigned states[][2] = {{17, 14}, {5, 17}, {1, 16}, {9, 15}, {0, 18}, {16, 13}};
    for (const auto& s : states) {
        SetInternetButtonImage(s[0]);
        TBBUTTON b = {};
        SendMessageW(toolbar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&b));
        EXPECT_EQ(b.iBitmap, int(s[1])) << s[0];
    }

    CheckToolbarCommand(IDM_DISPLAY_PLOT, true);
    CheckToolbarCommand(IDM_MODE_LENGTHS, true);
    EXPECT_TRUE(Checked(kDisplayToolbar, IDM_DISPLAY_PLOT));
    EXPECT_TRUE(Checked(kSunTimesToolbar, IDM_MODE_LENGTHS));
    CheckToolbarCommand(IDM_DISPLAY_PLOT, false);
    EXPECT_FALSE(Checked(kDisplayToolbar, IDM_DISPLAY_PLOT));
}

// A strip of 20x20 images, image i filled with colors[i].
HBITMAP Strip(const std::vector<COLORREF>& colors) {
    const int width = 20 * static_cast<int>(colors.size());
    std::vector<DWORD> pixels(width * 20);
    for (int i = 0; i < width * 20; ++i) {
        const COLORREF c = colors[i % width / 20];
        pixels[i] = GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
    }
    return CreateBitmap(width, 20, 1, 32, pixels.data());
}

TEST(ToolbarImages, ShortBitmapsArePaddedWithBlanksLongOnesCut) {
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), green = RGB(0, 255, 0);
    HIMAGELIST images = ImageList_Create(20, 20, ILC_COLOR24, 0, 999);
    HBITMAP two = Strip({red, blue}), three = Strip({green, blue, red});
    EXPECT_EQ(AddToolbarImages(images, two, 4), 4);
    EXPECT_EQ(AddToolbarImages(images, three, 2), 2);
    EXPECT_EQ(AddToolbarImages(images, nullptr, 3), 3);
    EXPECT_EQ(AddToolbarImages(images, three, -1), 3);
    EXPECT_EQ(ImageList_GetImageCount(images), 12);
    const std::pair<int, COLORREF> colors[] = {
        {0, red}, {1, blue}, {2, kBackground}, {4, green}, {5, blue}, {6, kBackground}, {11, red}};
    for (const auto& c : colors) {
        uitest::PixelCanvas canvas(20, 20);
        ImageList_Draw(images, c.first, canvas.dc(), 0, 0, ILD_NORMAL);
        EXPECT_EQ(canvas.At(10, 10), c.second) << c.first;
    }
    DeleteObject(two);
    DeleteObject(three);
    ImageList_Destroy(images);
}

} // namespace
