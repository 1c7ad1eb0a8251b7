#include "app/menus.h"

#include "datetime/date_time_format.h"
#include "presentation/presentation_state.h"
#include "resources/resource_ids.h"
#include "settings/program_options.h"
#include "suntimes/sun_times_series.h"
#include "support/error_log.h"
#include "ui/web_site.h"

#include "app/program_state.h"

namespace {

#define SEPARATOR                                                                                  \
    { nullptr, -1, MF_SEPARATOR, 0, 0, nullptr }

MenuItemRecord fileItems[] = {
    {L"&Open", IDM_FILE_OPEN, 0, IDB_MENU_OPEN, IDB_MENU_OPEN, nullptr},
    SEPARATOR,
    {L"Save&As", IDM_FILE_SAVEAS, 0, IDB_MENU_SAVEAS, IDB_MENU_SAVEAS, nullptr},
    {L"&Save", IDM_FILE_SAVE, 0, IDB_MENU_SAVE, IDB_MENU_SAVE, nullptr},
    SEPARATOR,
    {L"&Print", IDM_FILE_PRINT, 0, IDB_MENU_PRINT, IDB_MENU_PRINT, nullptr},
    SEPARATOR,
    {L"&Exit", IDM_EXIT, 0, IDB_MENU_EXIT, IDB_MENU_EXIT, nullptr},
};

MenuItemRecord optionItems[] = {
    {L"&Status Bar", IDM_STATUS_BAR, 0, 0, 0, nullptr},
    SEPARATOR,
    {L"Show &Time with AM/PM", IDM_AMPM, 0, 0, 0, nullptr},
    SEPARATOR,
    {L"&Error Logging", IDM_ERROR_LOGGING, 0, 0, 0, nullptr},
    {L"Error Log On and &Clear", IDM_ERROR_LOG_CLEAR, 0, IDB_MENU_LOG, IDB_MENU_LOG, nullptr},
    {L"&View Error Log", IDM_VIEW_ERROR_LOG, 0, IDB_MENU_LOG, IDB_MENU_LOG, nullptr},
    SEPARATOR,
    {L"&Internet Test Setup", IDM_INTERNET_SETUP, 0, IDB_MENU_INTERNET, IDB_MENU_INTERNET, nullptr},
    SEPARATOR,
    {kWebSiteCaption, IDM_WEB_SITE, 0, IDB_MENU_WEB, IDB_MENU_WEB_UPDATE, nullptr},
    SEPARATOR,
    {L"Default &Windows Size and Position", IDM_DEFAULT_WINDOWS, 0, IDB_MENU_EXIT, IDB_MENU_EXIT,
     nullptr},
    SEPARATOR,
    {L"Save Settings &Now", IDM_SAVE_SETTINGS, 0, IDB_MENU_EXIT, IDB_MENU_EXIT, nullptr},
};

MenuItemRecord sunTimesItems[] = {
    {L"&Sun Times Selections", IDM_SUNTIMES_SELECTIONS, 0, IDB_MENU_SUNTIMES, IDB_MENU_SUNTIMES,
     nullptr},
    SEPARATOR,
    {L"&Sunrise and Sunset Times", IDM_MODE_TIMES, 0, 0, 0, nullptr},
    {L"Daylight and Night &Hours", IDM_MODE_LENGTHS, 0, 0, 0, nullptr},
    SEPARATOR,
    {L"&Display Times", IDM_DISPLAY_TABLE, 0, 0, 0, nullptr},
    {L"&Plot Times", IDM_DISPLAY_PLOT, 0, 0, 0, nullptr},
    SEPARATOR,
    {L"&Time Data", IDM_DATA_TIME, 0, 0, 0, nullptr},
    {L"&Velocity Data: 1st Derivitive", IDM_DATA_VELOCITY, 0, 0, 0, nullptr},
    {L"&Acceleeration Data: 2nd Derivitive", IDM_DATA_ACCELERATION, 0, 0, 0, nullptr},
};

MenuItemRecord helpItems[] = {
    {L"&Main Display", IDM_HELP_MAIN_DISPLAY, 0, IDB_MENU_HELP, IDB_MENU_HELP, nullptr},
    {L"&Help Display", IDM_HELP_HELP_DISPLAY, 0, IDB_MENU_HELP, IDB_MENU_HELP, nullptr},
    {L"&File Menu", IDM_HELP_FILE_MENU, 0, IDB_MENU_HELP, IDB_MENU_HELP, nullptr},
    {L"&Options Menu", IDM_HELP_OPTIONS_MENU, 0, IDB_MENU_HELP, IDB_MENU_HELP, nullptr},
    SEPARATOR,
    {L"&Sun Times Menu", IDM_HELP_SUNTIMES_MENU, 0, IDB_MENU_HELP, IDB_MENU_HELP, nullptr},
    SEPARATOR,
    {L"&Internet Test Setup", IDM_HELP_INTERNET, 0, IDB_MENU_HELP, IDB_MENU_HELP, nullptr},
    SEPARATOR,
    {L"Command &Line and File Open Commands", IDM_HELP_COMMAND_LINE, 0, IDB_MENU_HELP,
     IDB_MENU_HELP, nullptr},
    SEPARATOR,
    {L"&Tagged File", IDM_HELP_TAGGED_FILE, 0, IDB_MENU_HELP, IDB_MENU_HELP, nullptr},
    {L"&Tagged File Imbedded Commands", IDM_HELP_TAGGED_COMMANDS, 0, IDB_MENU_HELP, IDB_MENU_HELP,
     nullptr},
    SEPARATOR,
    {L"&About ...", IDM_ABOUT, 0, IDB_MENU_HELP, IDB_MENU_HELP, nullptr},
};

#undef SEPARATOR

struct Popup {
    const wchar_t* caption;
    MenuItemRecord* items;
    int count;
    HMENU menu;
};

template <int N> constexpr int CountOf(MenuItemRecord (&)[N]) {
    return N;
}

Popup popups[] = {
    {L"&File", fileItems, CountOf(fileItems), nullptr},
    {L"&Options", optionItems, CountOf(optionItems), nullptr},
    {L"&SunTimes", sunTimesItems, CountOf(sunTimesItems), nullptr},
    {L"&Help", helpItems, CountOf(helpItems), nullptr},
};

void RemoveAllItems(HMENU menu) {
    for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i)
        RemoveMenu(menu, i, MF_BYPOSITION);
}

HBITMAP LoadMenuBitmap(WORD id) {
    return static_cast<HBITMAP>(LoadImageW(programInstance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0,
                                           0, LR_SHARED | LR_VGACOLOR));
}

void FillPopup(Popup& popup) {
    // A window destroys its menus with it: a later window gets new ones.
    if (popup.menu == nullptr || !IsMenu(popup.menu))
        popup.menu = CreatePopupMenu();
    else
        RemoveAllItems(popup.menu);
    for (int i = 0; i < popup.count; ++i) {
        const MenuItemRecord& item = popup.items[i];
        if (item.submenu != nullptr)
            AppendMenuW(popup.menu, MF_POPUP | item.flags, reinterpret_cast<UINT_PTR>(item.submenu),
                        item.caption);
        else
            AppendMenuW(popup.menu, item.flags, static_cast<UINT_PTR>(item.command), item.caption);
        if (item.uncheckedBitmap != 0 && item.checkedBitmap != 0)
            SetMenuItemBitmaps(popup.menu, i, MF_BYPOSITION, LoadMenuBitmap(item.uncheckedBitmap),
                               LoadMenuBitmap(item.checkedBitmap));
    }
}

void Check(HMENU bar, int command, bool on) {
    CheckMenuItem(bar, command, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

} // namespace

void BuildMenus(HWND window) {
    for (Popup& popup : popups)
        FillPopup(popup);
    HMENU bar = GetMenu(window);
    if (bar == nullptr)
        bar = CreateMenu();
    else
        RemoveAllItems(bar);
    for (const Popup& popup : popups)
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup.menu), popup.caption);
    SetMenu(window, bar);
}

void RefreshMenuChecks(HWND window) {
    HMENU bar = GetMenu(window);
    if (bar == nullptr) return;
    Check(bar, IDM_STATUS_BAR, statusBarOn > 0);
    Check(bar, IDM_AMPM, (dateTimeFormat & kDateTimeTwelveHour) != 0);
    Check(bar, IDM_ERROR_LOGGING, logRequestedState > kLogOff);
    Check(bar, IDM_MODE_TIMES, sunTimesSeries.showLengths == 0);
    Check(bar, IDM_MODE_LENGTHS, sunTimesSeries.showLengths == kShowLengths);
    Check(bar, IDM_DISPLAY_TABLE, plotView == kViewTable);
    Check(bar, IDM_DISPLAY_PLOT, plotView == kViewPlot);
    Check(bar, IDM_DATA_TIME, (DataKind & kDataTime) != 0);
    Check(bar, IDM_DATA_VELOCITY, (DataKind & kDataVelocity) != 0);
    Check(bar, IDM_DATA_ACCELERATION, (DataKind & kDataAcceleration) != 0);
}
