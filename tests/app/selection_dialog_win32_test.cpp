// The sun times selection dialog driven through its own controls, with a
// plain window standing in for the main window.
#include "app/selection_dialog.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <tuple>
#include <utility>

#include "app/message_loop.h"
#include "app/program_state.h"
#include "presentation/presentation_state.h"
#include "resources/resource_ids.h"
#include "settings/window_positions.h"
#include "support/error_report.h"
#include "suntimes/time_zone_choice.h"
#include "suntimes/shown_days.h"
#include "timezones/time_zone_catalogue.h"
#include "timezones/time_zone_registry.h"
#include "ui/ui_test_window.h"

namespace {

using Date = std::tuple<int, int, int>;
using Dates = std::pair<Date, Date>;
Date Ymd(const SYSTEMTIME& d) {
    return {d.wYear, d.wMonth, d.wDay};
}
Dates ThisYears(int month1, int day1, int month2, int day2) {
    return {{today.wYear, month1, day1}, {today.wYear, month2, day2}};
}
Dates Range() {
    return {Ymd(rangeStart), Ymd(rangeEnd)};
}
Dates Year() {
    return {Ymd(yearStart), Ymd(yearEnd)};
}

// Local minus UTC seconds of the first shown day's sunrise: the zone's offset.
long long SunriseOffset() {
    const SunEvent& sunrise = sunTimesSeries.records[sunTimesSeries.startDay].events[Sunrise];
    return sunrise.localTime - sunrise.utcTime;
}
bool WholeYearComputed() {
    return sunTimesSeries.dayCount == sunTimesSeries.lastDayIndex + 1;
}

class SelectionDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ForgetChosenZone();
        programInstance = GetModuleHandleW(nullptr);
        owner = uitest::CreateTestWindow(400, 300);
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
        if (SelectionDialogWindow() != nullptr) DestroyWindow(SelectionDialogWindow());
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
    // The program or a paste puts a whole text into a field.
    void Put(int fieldId, const wchar_t* text) {
        SetWindowTextW(Item(fieldId), text);
        Command(fieldId, EN_CHANGE);
    }
    // What the two pickers show.
    Dates Pickers() const {
        SYSTEMTIME dates[2] = {};
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(SendMessageW(Item(IDC_SEL_START_DATE + i), DTM_GETSYSTEMTIME, 0,
                                   reinterpret_cast<LPARAM>(&dates[i])),
                      GDT_VALID);
        return {Ymd(dates[0]), Ymd(dates[1])};
    }
    Dates EndLimits() const {
        SYSTEMTIME limits[2] = {};
        EXPECT_EQ(
            SendMessageW(Item(IDC_SEL_END_DATE), DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(limits)),
            GDTR_MIN | GDTR_MAX);
        return {Ymd(limits[0]), Ymd(limits[1])};
    }
    // The user picks a date of this year: the picker changes and tells the dialog.
    void PickDate(int id, int month, int day) {
        NMDATETIMECHANGE change = {{Item(id), UINT_PTR(id), UINT(DTN_DATETIMECHANGE)},
                                   GDT_VALID,
                                   Time(today.wYear, month, day)};
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

TEST_F(SelectionDialogTest, EnterInAFieldComputesAndLeavesTheDialogOpen) {
    const int sydney = FindZoneIndexByName(L"AUS Eastern Standard Time", nullptr);
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
    EXPECT_DOUBLE_EQ(sunTimesSeries.records[0].latitude, -33.8688);
    EXPECT_DOUBLE_EQ(sunTimesSeries.records[0].longitude, 151.2093);
    // Sydney's summer: sunrise about 05:45 on 1 January.
    EXPECT_NEAR(sunTimesSeries.records[0].events[Sunrise].hours, 5.75, 0.25);
}

TEST_F(SelectionDialogTest, ReopeningRebuildsTheCatalogueAndKeepsTheChosenZoneAndDates) {
    const int tokyo = FindZoneIndexByName(L"Tokyo Standard Time", nullptr);
    ASSERT_GE(tokyo, 0);
    SelectZone(tokyo);
    EXPECT_EQ(SunriseOffset(), 9 * 3600);
    PickDate(IDC_SEL_START_DATE, 3, 1);
    PickDate(IDC_SEL_END_DATE, 3, 31);
    EXPECT_EQ(sunTimesSeries.dayCount, 31);
    Command(IDOK);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(datesChosen, 1);

    Open();
    EXPECT_EQ(Selected(), tokyo);
    ASSERT_NE(timeZoneCatalogue.selectedZone, nullptr);
    EXPECT_STREQ(timeZoneCatalogue.selectedZone->keyName, L"Tokyo Standard Time");
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

// The chosen zone lies beyond the catalogue that reopening rebuilt.
TEST_F(SelectionDialogTest, AZoneMissingFromTheRebuiltCatalogueIsReportedAndTheOwnerRepainted) {
    PickDate(IDC_SEL_START_DATE, 2, 1); // computes
    const int shown = sunTimesSeries.dayCount;
    ASSERT_FALSE(WholeYearComputed());
    Command(IDOK);
    timeZoneIndex = timeZoneCatalogue.count + 5;
    Open();
    EXPECT_EQ(timeZoneCatalogue.selectedZone, nullptr);
    TakePendingError();
    const int paints = uitest::windowLog.paints;
    PickDate(IDC_SEL_END_DATE, 2, 10);
    EXPECT_STREQ(TakePendingError().message, L"Timezone Not Found");
    EXPECT_EQ(sunTimesSeries.dayCount, shown);
    EXPECT_GT(uitest::windowLog.paints, paints);
}

TEST_F(SelectionDialogTest, RunningPastNewYearMovesTheDatesIntoTheNewYear) {
    // As the dialog stood when it was opened last year, with March chosen.
    const int last = today.wYear - 1;
    yearStart.wYear = yearEnd.wYear = static_cast<WORD>(last);
    for (int id : {IDC_SEL_START_DATE, IDC_SEL_END_DATE}) {
        SYSTEMTIME limits[2] = {yearStart, yearEnd};
        SendMessageW(Item(id), DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(limits));
    }
    SetSelectionDialogDates(Time(last, 3, 1), Time(last, 3, 31));
    ASSERT_EQ(Pickers(), Dates({last, 3, 1}, {last, 3, 31}));

    SelectZone(timeZoneIndex); // the next computation
    EXPECT_EQ(Year(), ThisYears(1, 1, 12, 31));
    EXPECT_EQ(EndLimits(), Year());
    EXPECT_EQ(Pickers(), ThisYears(3, 1, 3, 31));
    EXPECT_EQ(Range(), ThisYears(3, 1, 3, 31));
    EXPECT_EQ(sunTimesSeries.records[0].year, today.wYear);
    EXPECT_FALSE(HasPendingError());
}

} // namespace
