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
#include <tuple>
#include <utility>
#include <vector>

#include "app/message_loop.h"
#include "app/program_state.h"
#include "presentation/presentation_state.h"
#include "resources/resource_ids.h"
#include "settings/window_positions.h"
#include "support/error_report.h"
#include "suntimes/shown_days.h"
#include "suntimes/sun_times_series.h"
#include "timezones/time_zone_catalogue.h"
#include "timezones/time_zone_registry.h"

namespace {

using Date = std::tuple<int, int, int>;
using Dates = std::pair<Date, Date>;
Date Ymd(const SYSTEMTIME& d) {
    return {d.wYear, d.wMonth, d.wDay};
}

int ownerPaints = 0;
LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ownerPaints += message == WM_PAINT;
    return DefWindowProcW(window, message, wParam, lParam);
}
void CALLBACK EndHold(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostQuitMessage(0);
}

std::wstring Text(HWND window) {
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return text;
}
RECT WindowRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
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
bool WholeYearComputed() {
    return sunTimesSeries.dayCount == sunTimesSeries.lastDayIndex + 1;
}

class SelectionDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        programInstance = GetModuleHandleW(nullptr);
        textColor = GetSysColor(COLOR_WINDOWTEXT);
        windowColor = GetSysColor(COLOR_WINDOW);
        WNDCLASSW cls = {};
        cls.lpfnWndProc = OwnerProc;
        cls.hInstance = programInstance;
        cls.lpszClassName = L"ZelmoraDialogTestOwner";
        RegisterClassW(&cls); // fails harmlessly when registered before
        owner = CreateWindowExW(0, cls.lpszClassName, L"Zelmora", WS_OVERLAPPEDWINDOW, 40, 40, 420,
                                360, nullptr, nullptr, programInstance, nullptr);
        ASSERT_NE(owner, nullptr);
        ShowWindow(owner, SW_SHOWNOACTIVATE);
        mainWindow = owner;
        plotRect = RECT{0, 0, 400, 300};
        siteLatitude = 40.6883;
        siteLongitude = -75.2164;
        ResetState();
        Open();
    }
    void TearDown() override {
        if (const char* hold = std::getenv("ZELMORA_DIALOG_SHOW_MS")) {
            SetTimer(nullptr, 0, std::atoi(hold), EndHold);
            RunMessageLoop(owner, nullptr);
        }
        if (SelectionDialogWindow() != nullptr) DestroyWindow(SelectionDialogWindow());
        EXPECT_EQ(SelectionDialogWindow(), nullptr);
        DestroyWindow(owner);
        // Leave the program-wide state as the other tests expect to find it.
        mainWindow = nullptr;
        ClearTimeZoneCatalogue();
        ResetState();
    }
    static void ResetState() {
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
    // What the two pickers show, and the limits of one.
    Dates Pickers() const {
        SYSTEMTIME dates[2] = {};
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(SendMessageW(Item(IDC_SEL_START_DATE + i), DTM_GETSYSTEMTIME, 0,
                                   reinterpret_cast<LPARAM>(&dates[i])),
                      GDT_VALID);
        return {Ymd(dates[0]), Ymd(dates[1])};
    }
    Dates Limits(int id) const {
        SYSTEMTIME limits[2] = {};
        EXPECT_EQ(SendMessageW(Item(id), DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(limits)),
                  GDTR_MIN | GDTR_MAX);
        return {Ymd(limits[0]), Ymd(limits[1])};
    }
    static Dates Range() { return {Ymd(rangeStart), Ymd(rangeEnd)}; }
    static Dates Year() { return {Ymd(yearStart), Ymd(yearEnd)}; }
    static Dates ThisYears(int month1, int day1, int month2, int day2) {
        return {{today.wYear, month1, day1}, {today.wYear, month2, day2}};
    }
    // The user picks a date of this year: the picker changes and tells the dialog.
    void PickDate(int id, int month, int day) {
        NMDATETIMECHANGE change = {{Item(id), UINT_PTR(id), UINT(DTN_DATETIMECHANGE)},
                                   GDT_VALID,
                                   Day(today.wYear, month, day)};
        SendMessageW(Item(id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&change.st));
        SendMessageW(dialog, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&change));
    }
    void SelectZone(int index) {
        SendMessageW(Item(IDC_SEL_ZONE_LIST), CB_SETCURSEL, index, 0);
        Command(IDC_SEL_ZONE_LIST, CBN_SELCHANGE);
    }
    int Selected() const { return int(SendMessageW(Item(IDC_SEL_ZONE_LIST), CB_GETCURSEL, 0, 0)); }

    HWND owner = nullptr;
    HWND dialog = nullptr;
};

TEST_F(SelectionDialogTest, OpensOnceWithTheWholeYearInTheComputersZone) {
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
    OpenSelectionDialog();
    EXPECT_EQ(SelectionDialogWindow(), dialog);
    // At the main window's right edge, 85 pixels below its top.
    const RECT o = WindowRect(owner), d = WindowRect(dialog);
    EXPECT_EQ(std::make_pair(d.left, d.top), std::make_pair(o.right, o.top + 85));

    // The current year to its last second, in both pickers and their limits.
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(Year(), Dates({now.wYear, 1, 1}, {now.wYear, 12, 31}));
    EXPECT_EQ(yearEnd.wHour * 10000 + yearEnd.wMinute * 100 + yearEnd.wSecond, 235959);
    EXPECT_EQ(Range(), Year());
    EXPECT_EQ(Pickers(), Year());
    EXPECT_EQ(Limits(IDC_SEL_START_DATE), Year());
    EXPECT_EQ(Limits(IDC_SEL_END_DATE), Year());

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
    EXPECT_EQ(Selected(), timeZoneIndex);
    EXPECT_TRUE(WholeYearComputed());
    EXPECT_EQ(sunTimesSeries.records[0].year, now.wYear);
    EXPECT_GT(ownerPaints, 0);

    EXPECT_EQ(Text(Item(IDC_SEL_LATITUDE)), L"40.6883");
    EXPECT_EQ(Text(Item(IDC_SEL_LONGITUDE)), L"-75.2164");
    EXPECT_DOUBLE_EQ(siteLatitude, 40.6883); // writing the fields changes nothing
    EXPECT_FALSE(HasPendingError());
}

BOOL CALLBACK CollectControl(HWND control, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(control);
    return TRUE;
}

// In both modes. A group box is a frame that holds other controls wholly or not at all.
TEST_F(SelectionDialogTest, ControlsNeitherOverlapNorClipTheirCaptions) {
    std::vector<HWND> controls;
    EnumChildWindows(dialog, CollectControl, reinterpret_cast<LPARAM>(&controls));
    ASSERT_EQ(controls.size(), 23u);
    RECT client, rects[23], both;
    GetClientRect(dialog, &client);
    auto style = [](HWND c) { return GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK; };
    auto is = [](HWND c, const wchar_t* cls) {
        wchar_t name[32] = L"";
        GetClassNameW(c, name, 32);
        return _wcsicmp(name, cls) == 0;
    };
    auto isFrame = [&](HWND c) { return is(c, L"Button") && style(c) == BS_GROUPBOX; };
    for (size_t i = 0; i < controls.size(); ++i) {
        rects[i] = WindowRect(controls[i]);
        MapWindowPoints(nullptr, GetParent(controls[i]), reinterpret_cast<POINT*>(&rects[i]), 2);
        IntersectRect(&both, &rects[i], &client);
        EXPECT_TRUE(EqualRect(&both, &rects[i])) << "outside the dialog: " << i;
        for (size_t j = 0; j < i; ++j) {
            const bool frameI = isFrame(controls[i]),
                       apart = !IntersectRect(&both, &rects[i], &rects[j]);
            EXPECT_TRUE(apart || (frameI != isFrame(controls[j]) &&
                                  EqualRect(&both, frameI ? &rects[j] : &rects[i])))
                << "overlap: " << i << " " << j;
        }
    }
    // The room of a caption: a static's width; a group box's less 16, a check
    // box's less its mark, another button's less 6.
    const int mark = GetSystemMetrics(SM_CXMENUCHECK) + 4;
    for (int lengths : {0, 1}) {
        sunTimesSeries.showLengths = lengths != 0 ? kShowLengths : 0;
        RefreshSelectionControls(true);
        for (size_t i = 0; i < controls.size(); ++i) {
            const HWND c = controls[i];
            const int width = rects[i].right - rects[i].left;
            const int room = is(c, L"Static")              ? width
                             : !is(c, L"Button")           ? -1
                             : isFrame(c)                  ? width - 16
                             : style(c) == BS_AUTOCHECKBOX ? width - mark
                                                           : width - 6;
            if (room < 0) continue;
            const std::wstring caption = Text(c);
            HDC dc = GetDC(c);
            HGDIOBJ old =
                SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)));
            SIZE size = {};
            GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
            SelectObject(dc, old);
            ReleaseDC(c, dc);
            EXPECT_LE(size.cx, room) << "clipped: " << std::string(caption.begin(), caption.end());
        }
    }
}

// The rules of the text are the coordinate filter's; the fields keep the
// caret where it was after a refused character, and after a limit's first digit.
TEST_F(SelectionDialogTest, CoordinateFieldsKeepOnlyASignedNumberWithinTheLimits) {
    Put(IDC_SEL_LATITUDE, L"");
    const wchar_t typed[] = L"12a.3.4";
    const int carets[] = {1, 2, 2, 3, 4, 4, 5};
    for (int i = 0; typed[i] != L'\0'; ++i) {
        const wchar_t one[2] = {typed[i], L'\0'};
        Type(IDC_SEL_LATITUDE, one);
        EXPECT_EQ(Caret(IDC_SEL_LATITUDE), carets[i]) << "after " << i;
    }
    EXPECT_EQ(Text(Item(IDC_SEL_LATITUDE)), L"12.34");
    EXPECT_DOUBLE_EQ(siteLatitude, 12.34);
    Put(IDC_SEL_LATITUDE, L"");
    Type(IDC_SEL_LATITUDE, L"95");
    EXPECT_EQ(Text(Item(IDC_SEL_LATITUDE)), L"90.0");
    EXPECT_DOUBLE_EQ(siteLatitude, 90.0);
    EXPECT_EQ(Caret(IDC_SEL_LATITUDE), 1);
    // A pasted exponent is no number the field holds.
    Put(IDC_SEL_LONGITUDE, L"1.5e2x");
    EXPECT_EQ(Text(Item(IDC_SEL_LONGITUDE)), L"1.52");
    EXPECT_DOUBLE_EQ(siteLongitude, 1.52);
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
    EXPECT_NEAR(sunTimesSeries.records[0].events[Sunrise].hours, 5.75, 0.25);
    EXPECT_EQ(GetFocus(), Item(IDC_SEL_LONGITUDE));
}

TEST_F(SelectionDialogTest, ZoneSelectionShowsTheZonesLocalTimes) {
    const int tokyo = IndexOfKey(L"Tokyo Standard Time"),
              eastern = IndexOfKey(L"Eastern Standard Time");
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
    EXPECT_EQ(Selected(), timeZoneIndex);
    EXPECT_EQ(FindComputerZoneIndex(), timeZoneIndex);
}

TEST_F(SelectionDialogTest, ReopeningKeepsTheChosenZoneAndDates) {
    const int tokyo = IndexOfKey(L"Tokyo Standard Time");
    ASSERT_GE(tokyo, 0);
    SelectZone(tokyo);
    PickDate(IDC_SEL_START_DATE, 3, 1);
    PickDate(IDC_SEL_END_DATE, 3, 31);
    EXPECT_EQ(sunTimesSeries.dayCount, 31);
    SetWindowPos(dialog, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Command(IDOK);
    EXPECT_EQ(SelectionDialogWindow(), nullptr);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(datesChosen, 1);
    const PositionRect& kept = windowPositions[kPositionSelectionDialog];
    EXPECT_EQ(std::make_pair(kept.left, kept.top), std::make_pair(300, 200));

    // The catalogue is rebuilt; the chosen zone still stands for every computation.
    Open();
    const RECT where = WindowRect(dialog);
    EXPECT_EQ(std::make_pair(where.left, where.top), std::make_pair(300L, 200L));
    EXPECT_EQ(timeZoneIndex, tokyo);
    EXPECT_EQ(Selected(), tokyo);
    ASSERT_NE(timeZoneCatalogue.selectedZone, nullptr);
    EXPECT_STREQ(timeZoneCatalogue.selectedZone->keyName, L"Tokyo Standard Time");
    EXPECT_EQ(ZoneAtIndex(timeZoneIndex), &timeZoneCatalogue.selectedZone->zone);
    // The pickers first show the whole year; the chosen dates are kept, not recomputed.
    EXPECT_EQ(Pickers(), Year());
    EXPECT_EQ(Range(), ThisYears(3, 1, 3, 31));
    EXPECT_EQ(sunTimesSeries.dayCount, 31);

    // A rebuild selects the catalogue's own first zone; the chosen one is still used.
    ASSERT_EQ(LoadTimeZoneCatalogue(), 1);
    ASSERT_STRNE(timeZoneCatalogue.selectedZone->keyName, L"Tokyo Standard Time");
    Command(IDC_SEL_DISPLAY);
    EXPECT_EQ(SunriseOffset(), 9 * 3600);
    EXPECT_STREQ(timeZoneCatalogue.selectedZone->keyName, L"Tokyo Standard Time");
    EXPECT_TRUE(WholeYearComputed());
}

TEST_F(SelectionDialogTest, TodayAndEntireYearSetBothPickersWhichHoldOnlyThisYear) {
    Command(IDC_SEL_TODAY);
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(Pickers(), Dates(Ymd(now), Ymd(now)));
    EXPECT_EQ(Range(), Dates(Ymd(now), Ymd(now)));
    EXPECT_EQ(sunTimesSeries.dayCount, 1);
    const SunTimesRecord& shown = sunTimesSeries.records[sunTimesSeries.startDay];
    EXPECT_EQ(Date(shown.year, shown.month, shown.day), Ymd(now));

    Command(IDC_SEL_ENTIRE_YEAR);
    EXPECT_EQ(Pickers(), Year());
    EXPECT_EQ(sunTimesSeries.startDay, 0);
    EXPECT_TRUE(WholeYearComputed());

    for (SYSTEMTIME date : {Day(today.wYear + 1, 1, 1), Day(today.wYear - 1, 12, 31)}) {
        SendMessageW(Item(IDC_SEL_START_DATE), DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&date));
        SendMessageW(Item(IDC_SEL_END_DATE), DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&date));
        EXPECT_EQ(Pickers(), Year());
    }
}

TEST_F(SelectionDialogTest, CheckBoxesFlipTheirQuantityAndShowTheWholeYear) {
    PickDate(IDC_SEL_START_DATE, 4, 10);
    PickDate(IDC_SEL_END_DATE, 4, 20);
    EXPECT_EQ(sunTimesSeries.dayCount, 11);

    // A real click on the second box.
    SendMessageW(Item(IDC_SEL_SHOW_SECOND), BM_CLICK, 0, 0);
    EXPECT_EQ(sunTimesSeries.showEvent[1], 0);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SEL_SHOW_SECOND), BST_UNCHECKED);
    EXPECT_EQ(Pickers(), ThisYears(1, 1, 12, 31));
    EXPECT_EQ(Range(), Year());
    EXPECT_TRUE(WholeYearComputed());
    EXPECT_EQ(sunTimesSeries.cacheKey.showEvent[1], 0); // computed with it

    PickDate(IDC_SEL_END_DATE, 4, 20);
    Command(IDC_SEL_SHOW_SECOND);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SEL_SHOW_SECOND), BST_CHECKED);
    EXPECT_EQ(Range(), Year());
    for (int slot : {0, 1, 2, 3})
        EXPECT_EQ(sunTimesSeries.showEvent[slot], 1);
}

TEST_F(SelectionDialogTest, CheckBoxCaptionsFollowTheModeAndRefreshSetsThem) {
    const wchar_t* captions[2][4] = {{L"Dawn", L"Sunrise", L"Sunset", L"Dusk"},
                                     {L"Dawn-Dusk", L"Daylight", L"Night", L"Dusk-Dawn"}};
    for (int lengths : {1, 0}) {
        sunTimesSeries.showLengths = lengths != 0 ? kShowLengths : 0;
        SendMessageW(dialog, WM_PAINT, 0, 0);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(Text(Item(IDC_SEL_SHOW_FIRST + i)), captions[lengths][i]);
    }

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
    SetSelectionDialogDates(Day(today.wYear, 5, 1), Day(today.wYear, 5, 31));
    EXPECT_EQ(Pickers(), ThisYears(5, 1, 5, 31));
    EXPECT_TRUE(WholeYearComputed());
    EXPECT_EQ(Range(), Year());
    // The next change reads them.
    Command(IDC_SEL_DISPLAY);
    EXPECT_EQ(sunTimesSeries.dayCount, 31);
}

TEST_F(SelectionDialogTest, AZoneMissingFromTheCatalogueIsReportedAndTheOwnerStillRepainted) {
    PickDate(IDC_SEL_START_DATE, 2, 1); // computes
    const int shown = sunTimesSeries.dayCount, paints = ownerPaints;
    ASSERT_FALSE(WholeYearComputed());
    timeZoneIndex = timeZoneCatalogue.count;
    TakePendingError();
    PickDate(IDC_SEL_END_DATE, 2, 10);
    EXPECT_STREQ(TakePendingError().message, L"Timezone Not Found");
    EXPECT_EQ(sunTimesSeries.dayCount, shown);
    EXPECT_GT(ownerPaints, paints);
    EXPECT_EQ(ZoneAtIndex(-1), nullptr);
}

TEST_F(SelectionDialogTest, RunningPastNewYearMovesTheDatesIntoTheNewYear) {
    // As the dialog stood when it was opened last year, with March chosen.
    const int last = today.wYear - 1;
    yearStart.wYear = yearEnd.wYear = static_cast<WORD>(last);
    for (int id : {IDC_SEL_START_DATE, IDC_SEL_END_DATE}) {
        SYSTEMTIME limits[2] = {yearStart, yearEnd};
        SendMessageW(Item(id), DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(limits));
    }
    SetSelectionDialogDates(Day(last, 3, 1), Day(last, 3, 31));
    ASSERT_EQ(Pickers(), Dates({last, 3, 1}, {last, 3, 31}));

    SelectZone(timeZoneIndex); // the next computation
    EXPECT_EQ(Year(), ThisYears(1, 1, 12, 31));
    EXPECT_EQ(Limits(IDC_SEL_END_DATE), Year());
    EXPECT_EQ(Pickers(), ThisYears(3, 1, 3, 31));
    EXPECT_EQ(Range(), ThisYears(3, 1, 3, 31));
    EXPECT_EQ(sunTimesSeries.records[0].year, today.wYear);
    EXPECT_EQ(sunTimesSeries.dayCount, 31);
    EXPECT_FALSE(HasPendingError());
}

} // namespace
