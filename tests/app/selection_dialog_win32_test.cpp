// The sun times selection dialog driven through its own controls, with a
// plain window standing in for the main window. Set ZELMORA_DIALOG_SHOW_MS
// to keep the dialog on the screen for a look (or a screenshot).
#include "app/selection_dialog.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "app/message_loop.h"
#include "app/program_state.h"
#include "presentation/presentation_state.h"
#include "resources/resource_ids.h"
#include "settings/window_positions.h"
#include "support/error_report.h"
#include "suntimes/sun_times_series.h"
#include "timezones/time_zone_catalogue.h"
#include "timezones/time_zone_registry.h"

namespace {

int ownerPaints = 0;

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        ++ownerPaints;
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateOwner() {
    static ATOM atom = 0;
    if (atom == 0) {
        WNDCLASSEXW cls = {};
        cls.cbSize = sizeof cls;
        cls.lpfnWndProc = OwnerProc;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        cls.lpszClassName = L"ZelmoraDialogTestOwner";
        atom = RegisterClassExW(&cls);
    }
    return CreateWindowExW(0, L"ZelmoraDialogTestOwner", L"Zelmora", WS_OVERLAPPEDWINDOW, 40, 40,
                           420, 360, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

std::wstring Text(HWND window) {
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return text;
}

SYSTEMTIME Date(int year, int month, int day) {
    SYSTEMTIME date = {};
    date.wYear = static_cast<WORD>(year);
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    return date;
}

bool SameDay(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay;
}

std::string Show(const SYSTEMTIME& d) {
    return std::to_string(d.wYear) + "-" + std::to_string(d.wMonth) + "-" + std::to_string(d.wDay);
}

// Local minus UTC seconds of the first shown day's sunrise: the zone's offset.
long long SunriseOffset() {
    const SunEvent& sunrise = sunTimesSeries.records[sunTimesSeries.startDay].events[Sunrise];
    return sunrise.localTime - sunrise.utcTime;
}

int IndexOfKey(const wchar_t* keyName) {
    int index = 0;
    for (TimeZoneEntry* e = timeZoneCatalogue.head; e != nullptr; e = e->next, ++index)
        if (e->keyName != nullptr && wcscmp(e->keyName, keyName) == 0) return index;
    return -1;
}

class SelectionDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        programInstance = GetModuleHandleW(nullptr);
        textColor = GetSysColor(COLOR_WINDOWTEXT);
        windowColor = GetSysColor(COLOR_WINDOW);
        owner = CreateOwner();
        ASSERT_NE(owner, nullptr);
        ShowWindow(owner, SW_SHOWNOACTIVATE);
        mainWindow = owner;
        plotRect = RECT{0, 0, 400, 300};
        ResetPositions();
        timeZoneIndex = -1;
        datesChosen = 0;
        siteLatitude = 40.6883;
        siteLongitude = -75.2164;
        ResetSunTimesSeries();
        TakePendingError();
        Open();
    }

    void TearDown() override {
        if (const char* hold = std::getenv("ZELMORA_DIALOG_SHOW_MS")) Hold(std::atoi(hold));
        if (SelectionDialogWindow() != nullptr) DestroyWindow(SelectionDialogWindow());
        EXPECT_EQ(SelectionDialogWindow(), nullptr);
        DestroyWindow(owner);
        // Leave the program-wide state as the other tests expect to find it.
        mainWindow = nullptr;
        ClearTimeZoneCatalogue();
        ResetSunTimesSeries();
        ResetPositions();
        timeZoneIndex = -1;
        datesChosen = 0;
        TakePendingError();
    }

    void Open() {
        OpenSelectionDialog();
        dialog = SelectionDialogWindow();
        ASSERT_NE(dialog, nullptr);
    }

    static void Hold(int milliseconds) {
        const DWORD end = GetTickCount() + milliseconds;
        while (GetTickCount() < end) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (HandleModelessMessage(&message)) continue;
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            Sleep(20);
        }
    }

    HWND Item(int id) const { return GetDlgItem(dialog, id); }

    void Command(int id, int code = BN_CLICKED) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
    }

    // Characters as the keyboard delivers them to the focused field.
    void Type(int fieldId, const wchar_t* characters) {
        for (const wchar_t* c = characters; *c != L'\0'; ++c)
            SendMessageW(Item(fieldId), WM_CHAR, *c, 1);
    }

    // The program or a paste puts a whole text into a field.
    void Put(int fieldId, const wchar_t* text) {
        SetWindowTextW(Item(fieldId), text);
        Command(fieldId, EN_CHANGE);
    }

    int Caret(int fieldId) const {
        DWORD start = 0, end = 0;
        SendMessageW(Item(fieldId), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return static_cast<int>(end);
    }

    SYSTEMTIME Picker(int id) const {
        SYSTEMTIME date = {};
        EXPECT_EQ(SendMessageW(Item(id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date)),
                  GDT_VALID);
        return date;
    }

    // The user picks a date: the picker changes and tells the dialog.
    void PickDate(int id, const SYSTEMTIME& date) {
        SYSTEMTIME value = date;
        SendMessageW(Item(id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
        NMDATETIMECHANGE change = {};
        change.nmhdr.hwndFrom = Item(id);
        change.nmhdr.idFrom = id;
        change.nmhdr.code = DTN_DATETIMECHANGE;
        change.dwFlags = GDT_VALID;
        change.st = date;
        SendMessageW(dialog, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&change));
    }

    void SelectZone(int index) {
        SendMessageW(Item(IDC_SEL_ZONE_LIST), CB_SETCURSEL, index, 0);
        Command(IDC_SEL_ZONE_LIST, CBN_SELCHANGE);
    }

    int ThisYear() const { return today.wYear; }

    HWND owner = nullptr;
    HWND dialog = nullptr;
};

TEST_F(SelectionDialogTest, OpensOnceWithTheWholeYearInTheComputersZone) {
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
    EXPECT_EQ(Text(dialog), L"Select Latitude, Longitude and Dates");
    OpenSelectionDialog();
    EXPECT_EQ(SelectionDialogWindow(), dialog);

    // At the main window's right edge, 85 pixels below its top.
    RECT ownerRect, dialogRect;
    GetWindowRect(owner, &ownerRect);
    GetWindowRect(dialog, &dialogRect);
    EXPECT_EQ(dialogRect.left, ownerRect.right);
    EXPECT_EQ(dialogRect.top, ownerRect.top + 85);

    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_TRUE(SameDay(yearStart, Date(now.wYear, 1, 1)));
    EXPECT_TRUE(SameDay(yearEnd, Date(now.wYear, 12, 31)));
    EXPECT_EQ(yearEnd.wHour * 10000 + yearEnd.wMinute * 100 + yearEnd.wSecond, 235959);
    EXPECT_TRUE(SameDay(rangeStart, yearStart));
    EXPECT_TRUE(SameDay(rangeEnd, yearEnd));
    for (int id : {IDC_SEL_START_DATE, IDC_SEL_END_DATE}) {
        SYSTEMTIME limits[2] = {};
        EXPECT_EQ(SendMessageW(Item(id), DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(limits)),
                  GDTR_MIN | GDTR_MAX);
        EXPECT_TRUE(SameDay(limits[0], yearStart));
        EXPECT_TRUE(SameDay(limits[1], yearEnd));
    }
    EXPECT_TRUE(SameDay(Picker(IDC_SEL_START_DATE), yearStart));
    EXPECT_TRUE(SameDay(Picker(IDC_SEL_END_DATE), yearEnd));

    // Every zone in catalogue order, the computer's own selected and computed.
    HWND zones = Item(IDC_SEL_ZONE_LIST);
    ASSERT_EQ(SendMessageW(zones, CB_GETCOUNT, 0, 0), timeZoneCatalogue.count);
    int index = 0;
    for (TimeZoneEntry* e = timeZoneCatalogue.head; e != nullptr; e = e->next, ++index) {
        wchar_t item[kZoneDisplayChars];
        SendMessageW(zones, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item));
        ASSERT_STREQ(item, e->displayName);
    }
    ASSERT_GE(timeZoneIndex, 0);
    EXPECT_EQ(SendMessageW(zones, CB_GETCURSEL, 0, 0), timeZoneIndex);
    EXPECT_EQ(sunTimesSeries.dayCount, sunTimesSeries.lastDayIndex + 1);
    EXPECT_EQ(sunTimesSeries.records[0].year, now.wYear);
    EXPECT_GT(ownerPaints, 0);

    EXPECT_EQ(Text(Item(IDC_SEL_LATITUDE)), L"40.6883");
    EXPECT_EQ(Text(Item(IDC_SEL_LONGITUDE)), L"-75.2164");
    EXPECT_DOUBLE_EQ(siteLatitude, 40.6883); // writing the fields changes nothing
    EXPECT_EQ(Text(Item(IDC_SEL_SHOW_FIRST)), L"Dawn");
    EXPECT_EQ(Text(Item(IDC_SEL_SHOW_FOURTH)), L"Dusk");
    EXPECT_FALSE(HasPendingError());
}

struct Control {
    HWND window;
    RECT rect;  // in the dialog's client coordinates
    bool frame; // a group box, which holds other controls
};

BOOL CALLBACK CollectControl(HWND window, LPARAM list) {
    wchar_t cls[32] = L"";
    GetClassNameW(window, cls, 32);
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    const bool frame = _wcsicmp(cls, L"Button") == 0 &&
                       (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
    reinterpret_cast<std::vector<Control>*>(list)->push_back({window, rect, frame});
    return TRUE;
}

// Width in pixels that a control's caption needs in the dialog's font.
int CaptionWidth(HWND control) {
    const std::wstring caption = Text(control);
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size.cx;
}

TEST_F(SelectionDialogTest, ControlsNeitherOverlapNorClipTheirCaptions) {
    std::vector<Control> controls;
    EnumChildWindows(dialog, CollectControl, reinterpret_cast<LPARAM>(&controls));
    ASSERT_EQ(controls.size(), 23u);
    RECT client;
    GetClientRect(dialog, &client);
    for (size_t i = 0; i < controls.size(); ++i) {
        const Control& a = controls[i];
        const std::wstring caption = Text(a.window);
        RECT inside;
        IntersectRect(&inside, &a.rect, &client);
        EXPECT_TRUE(EqualRect(&inside, &a.rect)) << "outside the dialog: " << i;
        for (size_t j = i + 1; j < controls.size(); ++j) {
            const Control& b = controls[j];
            RECT both;
            if (a.frame || b.frame) {
                // A frame holds a control wholly or not at all.
                const Control& frame = a.frame ? a : b;
                const Control& other = a.frame ? b : a;
                if (a.frame && b.frame) {
                    EXPECT_FALSE(IntersectRect(&both, &a.rect, &b.rect)) << i << " " << j;
                } else if (IntersectRect(&both, &frame.rect, &other.rect)) {
                    EXPECT_TRUE(EqualRect(&both, &other.rect)) << i << " " << j;
                }
                continue;
            }
            EXPECT_FALSE(IntersectRect(&both, &a.rect, &b.rect)) << i << " " << j;
        }
        wchar_t cls[32] = L"";
        GetClassNameW(a.window, cls, 32);
        const int width = a.rect.right - a.rect.left;
        const LONG type = GetWindowLongW(a.window, GWL_STYLE) & BS_TYPEMASK;
        int room = 0;
        if (_wcsicmp(cls, L"Static") == 0)
            room = width;
        else if (_wcsicmp(cls, L"Button") == 0 && a.frame)
            room = width - 16;
        else if (_wcsicmp(cls, L"Button") == 0 && type == BS_AUTOCHECKBOX)
            room = width - GetSystemMetrics(SM_CXMENUCHECK) - 4;
        else if (_wcsicmp(cls, L"Button") == 0)
            room = width - 6;
        else
            continue;
        EXPECT_LE(CaptionWidth(a.window), room)
            << "clipped: " << std::string(caption.begin(), caption.end());
    }
    // The longest caption a box takes in the other mode fits too.
    sunTimesSeries.showLengths = kShowLengths;
    RefreshSelectionControls(true);
    HWND box = Item(IDC_SEL_SHOW_FIRST);
    RECT rect;
    GetWindowRect(box, &rect);
    EXPECT_LE(CaptionWidth(box), rect.right - rect.left - GetSystemMetrics(SM_CXMENUCHECK) - 4);
    sunTimesSeries.showLengths = 0;
}

TEST_F(SelectionDialogTest, LatitudeFieldKeepsOnlyASignedNumber) {
    Put(IDC_SEL_LATITUDE, L"");
    const wchar_t typed[] = L"12a.3.4";
    // Where the caret stands after each character: back by one after the
    // letter and after the second point, the two refused characters.
    const int carets[] = {1, 2, 2, 3, 4, 4, 5};
    for (int i = 0; typed[i] != L'\0'; ++i) {
        const wchar_t one[2] = {typed[i], L'\0'};
        Type(IDC_SEL_LATITUDE, one);
        EXPECT_EQ(Caret(IDC_SEL_LATITUDE), carets[i]) << "after " << i;
    }
    EXPECT_EQ(Text(Item(IDC_SEL_LATITUDE)), L"12.34");
    EXPECT_DOUBLE_EQ(siteLatitude, 12.34);

    // A minus sign stands only first, and alone reads as 0.
    Put(IDC_SEL_LATITUDE, L"");
    Type(IDC_SEL_LATITUDE, L"-");
    EXPECT_EQ(Text(Item(IDC_SEL_LATITUDE)), L"-");
    EXPECT_DOUBLE_EQ(siteLatitude, 0.0);
    Type(IDC_SEL_LATITUDE, L"5-");
    EXPECT_EQ(Text(Item(IDC_SEL_LATITUDE)), L"-5");
    EXPECT_EQ(Caret(IDC_SEL_LATITUDE), 2);
    EXPECT_DOUBLE_EQ(siteLatitude, -5.0);

    // A pasted exponent is not a number the field holds.
    Put(IDC_SEL_LONGITUDE, L"1.5e2x");
    EXPECT_EQ(Text(Item(IDC_SEL_LONGITUDE)), L"1.52");
    EXPECT_DOUBLE_EQ(siteLongitude, 1.52);
}

TEST_F(SelectionDialogTest, NumbersBeyondTheLimitsBecomeTheLimits) {
    Put(IDC_SEL_LATITUDE, L"");
    Type(IDC_SEL_LATITUDE, L"95");
    EXPECT_EQ(Text(Item(IDC_SEL_LATITUDE)), L"90.0");
    EXPECT_DOUBLE_EQ(siteLatitude, 90.0);
    EXPECT_EQ(Caret(IDC_SEL_LATITUDE), 1);

    Put(IDC_SEL_LONGITUDE, L"");
    Type(IDC_SEL_LONGITUDE, L"-181");
    EXPECT_EQ(Text(Item(IDC_SEL_LONGITUDE)), L"-180.0");
    EXPECT_DOUBLE_EQ(siteLongitude, -180.0);

    Put(IDC_SEL_LATITUDE, L"-90.0");
    EXPECT_EQ(Text(Item(IDC_SEL_LATITUDE)), L"-90.0");
    EXPECT_DOUBLE_EQ(siteLatitude, -90.0);
}

TEST_F(SelectionDialogTest, EnterInAFieldComputesAndLeavesTheDialogOpen) {
    const int sydney = IndexOfKey(L"AUS Eastern Standard Time");
    ASSERT_GE(sydney, 0);
    SelectZone(sydney);
    Put(IDC_SEL_LATITUDE, L"-33.8688");
    Put(IDC_SEL_LONGITUDE, L"151.2093");
    EXPECT_NE(sunTimesSeries.records[0].latitude, -33.8688); // not computed by typing

    // Through the program's own message loop, as a key press arrives.
    SetFocus(Item(IDC_SEL_LONGITUDE));
    PostMessageW(Item(IDC_SEL_LONGITUDE), WM_KEYDOWN, VK_RETURN, 1);
    PostQuitMessage(0);
    RunMessageLoop(owner, nullptr);

    ASSERT_EQ(SelectionDialogWindow(), dialog); // Done was not pressed
    EXPECT_EQ(datesChosen, 0);
    EXPECT_EQ(Text(Item(IDC_SEL_LONGITUDE)), L"151.2093");
    EXPECT_DOUBLE_EQ(sunTimesSeries.records[0].latitude, -33.8688);
    EXPECT_DOUBLE_EQ(sunTimesSeries.records[0].longitude, 151.2093);
    // Sydney's summer: sunrise about 05:45 on 1 January.
    const SunEvent& sunrise = sunTimesSeries.records[0].events[Sunrise];
    EXPECT_NEAR(sunrise.hours, 5.75, 0.25);
    EXPECT_EQ(GetFocus(), Item(IDC_SEL_LONGITUDE));
}

TEST_F(SelectionDialogTest, ZoneSelectionShowsTheZonesLocalTimes) {
    const int tokyo = IndexOfKey(L"Tokyo Standard Time");
    const int eastern = IndexOfKey(L"Eastern Standard Time");
    ASSERT_GE(tokyo, 0);
    ASSERT_GE(eastern, 0);

    SelectZone(tokyo);
    EXPECT_EQ(timeZoneIndex, tokyo);
    EXPECT_STREQ(timeZoneCatalogue.selectedZone->keyName, L"Tokyo Standard Time");
    EXPECT_EQ(SunriseOffset(), 9 * 3600);
    const double tokyoSunrise = sunTimesSeries.records[0].events[Sunrise].hours;

    SelectZone(eastern);
    EXPECT_EQ(SunriseOffset(), -5 * 3600); // 1 January: standard time
    EXPECT_NEAR(tokyoSunrise - sunTimesSeries.records[0].events[Sunrise].hours, 14.0, 0.02);

    // The computer's own zone, wherever it lies in the list.
    Command(IDC_SEL_COMPUTER_ZONE);
    const int own = timeZoneIndex;
    EXPECT_EQ(SendMessageW(Item(IDC_SEL_ZONE_LIST), CB_GETCURSEL, 0, 0), own);
    EXPECT_EQ(FindComputerZoneIndex(), own);
}

TEST_F(SelectionDialogTest, ReopeningKeepsTheChosenZoneAndDates) {
    const int tokyo = IndexOfKey(L"Tokyo Standard Time");
    ASSERT_GE(tokyo, 0);
    SelectZone(tokyo);
    PickDate(IDC_SEL_START_DATE, Date(ThisYear(), 3, 1));
    PickDate(IDC_SEL_END_DATE, Date(ThisYear(), 3, 31));
    EXPECT_EQ(sunTimesSeries.dayCount, 31);

    SetWindowPos(dialog, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Command(IDOK);
    EXPECT_EQ(SelectionDialogWindow(), nullptr);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(datesChosen, 1);
    EXPECT_TRUE(SameDay(rangeStart, Date(ThisYear(), 3, 1)));
    const PositionRect& kept = windowPositions[kPositionSelectionDialog];
    EXPECT_EQ(kept.left, 300);
    EXPECT_EQ(kept.top, 200);

    // The catalogue is rebuilt; the chosen zone still stands for every computation.
    Open();
    RECT where;
    GetWindowRect(dialog, &where);
    EXPECT_EQ(where.left, 300);
    EXPECT_EQ(where.top, 200);
    EXPECT_EQ(timeZoneIndex, tokyo);
    EXPECT_EQ(SendMessageW(Item(IDC_SEL_ZONE_LIST), CB_GETCURSEL, 0, 0), tokyo);
    ASSERT_NE(timeZoneCatalogue.selectedZone, nullptr);
    EXPECT_STREQ(timeZoneCatalogue.selectedZone->keyName, L"Tokyo Standard Time");
    EXPECT_EQ(ZoneAtIndex(timeZoneIndex), &timeZoneCatalogue.selectedZone->zone);

    // The pickers first show the whole year; the chosen dates are kept.
    EXPECT_TRUE(SameDay(Picker(IDC_SEL_START_DATE), yearStart));
    EXPECT_TRUE(SameDay(Picker(IDC_SEL_END_DATE), yearEnd));
    EXPECT_TRUE(SameDay(rangeStart, Date(ThisYear(), 3, 1))) << Show(rangeStart);
    EXPECT_TRUE(SameDay(rangeEnd, Date(ThisYear(), 3, 31))) << Show(rangeEnd);
    EXPECT_EQ(sunTimesSeries.dayCount, 31); // opening computes nothing

    // A rebuild selects the catalogue's own first zone; the chosen one is still used.
    ASSERT_EQ(LoadTimeZoneCatalogue(), 1);
    ASSERT_STRNE(timeZoneCatalogue.selectedZone->keyName, L"Tokyo Standard Time");
    Command(IDC_SEL_DISPLAY);
    EXPECT_EQ(SunriseOffset(), 9 * 3600);
    EXPECT_STREQ(timeZoneCatalogue.selectedZone->keyName, L"Tokyo Standard Time");
    EXPECT_EQ(sunTimesSeries.dayCount, sunTimesSeries.lastDayIndex + 1);
}

TEST_F(SelectionDialogTest, TodayAndEntireYearSetBothPickers) {
    Command(IDC_SEL_TODAY);
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_TRUE(SameDay(Picker(IDC_SEL_START_DATE), now));
    EXPECT_TRUE(SameDay(Picker(IDC_SEL_END_DATE), now));
    EXPECT_TRUE(SameDay(rangeStart, now));
    EXPECT_TRUE(SameDay(rangeEnd, now));
    EXPECT_EQ(sunTimesSeries.dayCount, 1);
    EXPECT_EQ(sunTimesSeries.records[sunTimesSeries.startDay].month, now.wMonth);
    EXPECT_EQ(sunTimesSeries.records[sunTimesSeries.startDay].day, now.wDay);

    Command(IDC_SEL_ENTIRE_YEAR);
    EXPECT_TRUE(SameDay(Picker(IDC_SEL_START_DATE), yearStart));
    EXPECT_TRUE(SameDay(Picker(IDC_SEL_END_DATE), yearEnd));
    EXPECT_EQ(sunTimesSeries.startDay, 0);
    EXPECT_EQ(sunTimesSeries.dayCount, sunTimesSeries.lastDayIndex + 1);
}

TEST_F(SelectionDialogTest, PickersHoldOnlyDaysOfTheCurrentYear) {
    for (int id : {IDC_SEL_START_DATE, IDC_SEL_END_DATE}) {
        SYSTEMTIME outside[] = {Date(ThisYear() + 1, 1, 1), Date(ThisYear() - 1, 12, 31)};
        for (SYSTEMTIME& date : outside) {
            const SYSTEMTIME before = Picker(id);
            SendMessageW(Item(id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
            EXPECT_TRUE(SameDay(Picker(id), before)) << Show(date);
        }
    }
}

TEST_F(SelectionDialogTest, CheckBoxesFlipTheirQuantityAndShowTheWholeYear) {
    PickDate(IDC_SEL_START_DATE, Date(ThisYear(), 4, 10));
    PickDate(IDC_SEL_END_DATE, Date(ThisYear(), 4, 20));
    EXPECT_EQ(sunTimesSeries.dayCount, 11);

    // A real click on the second box.
    SendMessageW(Item(IDC_SEL_SHOW_SECOND), BM_CLICK, 0, 0);
    EXPECT_EQ(sunTimesSeries.showEvent[1], 0);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SEL_SHOW_SECOND), BST_UNCHECKED);
    EXPECT_TRUE(SameDay(Picker(IDC_SEL_START_DATE), Date(ThisYear(), 1, 1)));
    EXPECT_TRUE(SameDay(Picker(IDC_SEL_END_DATE), Date(ThisYear(), 12, 31)));
    EXPECT_TRUE(SameDay(rangeStart, yearStart));
    EXPECT_EQ(sunTimesSeries.dayCount, sunTimesSeries.lastDayIndex + 1);
    EXPECT_EQ(sunTimesSeries.cacheKey.showEvent[1], 0); // computed with it

    PickDate(IDC_SEL_END_DATE, Date(ThisYear(), 4, 20));
    Command(IDC_SEL_SHOW_SECOND);
    EXPECT_EQ(sunTimesSeries.showEvent[1], 1);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SEL_SHOW_SECOND), BST_CHECKED);
    EXPECT_TRUE(SameDay(rangeEnd, yearEnd));
    for (int slot : {0, 2, 3})
        EXPECT_EQ(sunTimesSeries.showEvent[slot], 1);
}

TEST_F(SelectionDialogTest, CheckBoxCaptionsFollowTheModeAndRefreshSetsThem) {
    const int boxes[] = {IDC_SEL_SHOW_FIRST, IDC_SEL_SHOW_SECOND, IDC_SEL_SHOW_THIRD,
                         IDC_SEL_SHOW_FOURTH};
    sunTimesSeries.showLengths = kShowLengths;
    SendMessageW(dialog, WM_PAINT, 0, 0);
    const wchar_t* lengths[] = {L"Dawn-Dusk", L"Daylight", L"Night", L"Dusk-Dawn"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Text(Item(boxes[i])), lengths[i]);

    sunTimesSeries.showLengths = 0;
    SendMessageW(dialog, WM_PAINT, 0, 0);
    const wchar_t* events[] = {L"Dawn", L"Sunrise", L"Sunset", L"Dusk"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Text(Item(boxes[i])), events[i]);

    sunTimesSeries.showEvent[2] = 0;
    RefreshSelectionControls(false);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SEL_SHOW_THIRD), BST_UNCHECKED);
    for (int id : {IDC_SEL_SHOW_FIRST, IDC_SEL_SHOW_SECOND, IDC_SEL_SHOW_THIRD, IDC_SEL_SHOW_FOURTH,
                   IDC_SEL_TODAY, IDC_SEL_ENTIRE_YEAR, IDC_SEL_DISPLAY})
        EXPECT_FALSE(IsWindowEnabled(Item(id))) << id;
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_SEL_ZONE_LIST)));
    RefreshSelectionControls(true);
    for (int id : {IDC_SEL_SHOW_FIRST, IDC_SEL_TODAY, IDC_SEL_ENTIRE_YEAR, IDC_SEL_DISPLAY})
        EXPECT_TRUE(IsWindowEnabled(Item(id))) << id;
}

TEST_F(SelectionDialogTest, SettingDatesFromTheMainWindowComputesNothing) {
    const int before = sunTimesSeries.dayCount;
    SetSelectionDialogDates(Date(ThisYear(), 5, 1), Date(ThisYear(), 5, 31));
    EXPECT_TRUE(SameDay(Picker(IDC_SEL_START_DATE), Date(ThisYear(), 5, 1)));
    EXPECT_TRUE(SameDay(Picker(IDC_SEL_END_DATE), Date(ThisYear(), 5, 31)));
    EXPECT_EQ(sunTimesSeries.dayCount, before);
    EXPECT_TRUE(SameDay(rangeStart, yearStart));
    // The next change reads them.
    Command(IDC_SEL_DISPLAY);
    EXPECT_EQ(sunTimesSeries.dayCount, 31);
}

TEST_F(SelectionDialogTest, AZoneMissingFromTheCatalogueIsReported) {
    const int before = sunTimesSeries.dayCount;
    PickDate(IDC_SEL_START_DATE, Date(ThisYear(), 2, 1)); // computes
    ASSERT_NE(sunTimesSeries.dayCount, before);
    const int shown = sunTimesSeries.dayCount;
    timeZoneIndex = timeZoneCatalogue.count;
    const int paints = ownerPaints;
    TakePendingError();
    PickDate(IDC_SEL_END_DATE, Date(ThisYear(), 2, 10));
    EXPECT_STREQ(TakePendingError().message, L"Timezone Not Found");
    EXPECT_EQ(sunTimesSeries.dayCount, shown);
    EXPECT_GT(ownerPaints, paints); // the main window is still repainted
    EXPECT_EQ(ZoneAtIndex(-1), nullptr);
}

TEST_F(SelectionDialogTest, RunningPastNewYearMovesTheDatesIntoTheNewYear) {
    // As the dialog stood when it was opened last year, with March chosen.
    const int last = ThisYear() - 1;
    yearStart.wYear = static_cast<WORD>(last);
    yearEnd.wYear = static_cast<WORD>(last);
    for (int id : {IDC_SEL_START_DATE, IDC_SEL_END_DATE}) {
        SYSTEMTIME limits[2] = {yearStart, yearEnd};
        SendMessageW(Item(id), DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(limits));
    }
    SetSelectionDialogDates(Date(last, 3, 1), Date(last, 3, 31));
    ASSERT_TRUE(SameDay(Picker(IDC_SEL_START_DATE), Date(last, 3, 1)));

    SelectZone(timeZoneIndex); // the next computation
    EXPECT_EQ(yearStart.wYear, ThisYear());
    EXPECT_EQ(yearEnd.wYear, ThisYear());
    SYSTEMTIME limits[2] = {};
    SendMessageW(Item(IDC_SEL_END_DATE), DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(limits));
    EXPECT_TRUE(SameDay(limits[0], Date(ThisYear(), 1, 1)));
    EXPECT_TRUE(SameDay(limits[1], Date(ThisYear(), 12, 31)));
    EXPECT_TRUE(SameDay(Picker(IDC_SEL_START_DATE), Date(ThisYear(), 3, 1)));
    EXPECT_TRUE(SameDay(rangeStart, Date(ThisYear(), 3, 1))) << Show(rangeStart);
    EXPECT_TRUE(SameDay(rangeEnd, Date(ThisYear(), 3, 31))) << Show(rangeEnd);
    EXPECT_EQ(sunTimesSeries.records[0].year, ThisYear());
    EXPECT_EQ(sunTimesSeries.dayCount, 31);
    EXPECT_FALSE(HasPendingError());
}

} // namespace
