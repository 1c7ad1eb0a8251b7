// The menu bar as the user sees it: popups, items, check-mark pictures and
// the check marks that follow the program's state.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/menus.h"
#include "app/program_state.h"
#include "datetime/date_time_format.h"
#include "presentation/presentation_state.h"
#include "resources/resource_ids.h"
#include "settings/program_options.h"
#include "suntimes/sun_times_series.h"

namespace {

class MenusTest : public ::testing::Test {
  protected:
    void SetUp() override {
        programInstance = GetModuleHandleW(nullptr);
        window = CreateWindowExW(0, L"STATIC", L"menus", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                 nullptr, nullptr, programInstance, nullptr);
        ASSERT_NE(window, nullptr);
        BuildMenus(window);
        bar = GetMenu(window);
        ASSERT_NE(bar, nullptr);
    }
    void TearDown() override {
        DestroyWindow(window);
        plotView = 1;
        DataKind = kDataTime;
        sunTimesSeries.showLengths = 0;
    }

    static std::wstring Caption(HMENU menu, UINT position) {
        wchar_t text[128] = L"";
        GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
        return text;
    }
    bool Checked(int command) const {
        const UINT state = GetMenuState(bar, command, MF_BYCOMMAND);
        EXPECT_NE(state, static_cast<UINT>(-1)) << command;
        return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
    }

    HWND window = nullptr;
    HMENU bar = nullptr;
};

TEST_F(MenusTest, TheBarHoldsFourPopupsInOrderWithTheirItems) {
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    const wchar_t* captions[] = {L"&File", L"&Options", L"&SunTimes", L"&Help"};
    const int itemCounts[] = {8, 15, 11, 15};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Caption(bar, i), captions[i]);
        EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, i)), itemCounts[i]);
    }
    HMENU file = GetSubMenu(bar, 0);
    EXPECT_EQ(GetMenuItemID(file, 0), static_cast<UINT>(IDM_FILE_OPEN));
    EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuItemID(file, 7), static_cast<UINT>(IDM_EXIT));
    EXPECT_EQ(Caption(GetSubMenu(bar, 2), 10), L"&Acceleeration Data: 2nd Derivitive");
    EXPECT_EQ(Caption(GetSubMenu(bar, 1), 10), L"&View Zelmora Web Site");
    EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 3), 14), static_cast<UINT>(IDM_ABOUT));
}

TEST_F(MenusTest, ItemsCarryTheirCheckMarkPictures) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_CHECKMARKS;
    HMENU file = GetSubMenu(bar, 0), options = GetSubMenu(bar, 1);
    ASSERT_TRUE(GetMenuItemInfoW(file, IDM_FILE_OPEN, FALSE, &info));
    EXPECT_NE(info.hbmpChecked, nullptr);
    EXPECT_NE(info.hbmpUnchecked, nullptr);
    // The web site item shows whether an update waits: two pictures.
    ASSERT_TRUE(GetMenuItemInfoW(options, IDM_WEB_SITE, FALSE, &info));
    EXPECT_NE(info.hbmpChecked, nullptr);
    EXPECT_NE(info.hbmpUnchecked, nullptr);
    EXPECT_NE(info.hbmpChecked, info.hbmpUnchecked);
    // State items use the system's own check mark.
    ASSERT_TRUE(GetMenuItemInfoW(options, IDM_STATUS_BAR, FALSE, &info));
    EXPECT_EQ(info.hbmpChecked, nullptr);
}

TEST_F(MenusTest, CheckMarksFollowTheState) {
    plotView = 0;
    DataKind = kDataVelocity;
    sunTimesSeries.showLengths = kShowLengths;
    statusBarOn = 1;
    dateTimeFormat = kDateTimeFormat12;
    RefreshMenuChecks(window);
    EXPECT_TRUE(Checked(IDM_DISPLAY_TABLE));
    EXPECT_FALSE(Checked(IDM_DISPLAY_PLOT));
    EXPECT_FALSE(Checked(IDM_DATA_TIME));
    EXPECT_TRUE(Checked(IDM_DATA_VELOCITY));
    EXPECT_FALSE(Checked(IDM_DATA_ACCELERATION));
    EXPECT_FALSE(Checked(IDM_MODE_TIMES));
    EXPECT_TRUE(Checked(IDM_MODE_LENGTHS));
    EXPECT_TRUE(Checked(IDM_STATUS_BAR));
    EXPECT_TRUE(Checked(IDM_AMPM));

    plotView = 1;
    DataKind = kDataAcceleration;
    sunTimesSeries.showLengths = 0;
    statusBarOn = 0;
    dateTimeFormat = kDateTimeFormat24;
    RefreshMenuChecks(window);
    EXPECT_TRUE(Checked(IDM_DISPLAY_PLOT));
    EXPECT_TRUE(Checked(IDM_DATA_ACCELERATION));
    EXPECT_FALSE(Checked(IDM_DATA_VELOCITY));
    EXPECT_TRUE(Checked(IDM_MODE_TIMES));
    EXPECT_FALSE(Checked(IDM_STATUS_BAR));
    EXPECT_FALSE(Checked(IDM_AMPM));
    statusBarOn = 1;
    dateTimeFormat = kDateTimeFormat12;
}

TEST_F(MenusTest, BuildingAgainReplacesTheItemsInsteadOfAddingToThem) {
    BuildMenus(window);
    EXPECT_EQ(GetMenu(window), bar);
    EXPECT_EQ(GetMenuItemCount(bar), 4);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 0)), 8);
}

} // namespace
