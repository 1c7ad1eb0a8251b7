// The location selection dialog driven through its own controls while it
// runs modally, and the selection dialog's "Locations" button that opens it.
// A plain window stands in for the main window.
#include "locations/location_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/coordinate_text.h"
#include "app/program_state.h"
#include "app/selection_dialog.h"
#include "locations/location_choice.h"
#include "locations/table_walk.h"
#include "presentation/presentation_state.h"
#include "resources/resource_ids.h"
#include "settings/window_positions.h"
#include "support/error_report.h"
#include "suntimes/sun_times_series.h"
#include "timezones/time_zone_catalogue.h"
#include "ui/ui_test_window.h"

namespace {

using Texts = std::pair<std::wstring, std::wstring>;
using Place = std::pair<double, double>;
const Place kNoChange{-999, -999};

// What the user does while the dialog runs, once the modal loop runs.
std::function<void(HWND)> userActs;

void CALLBACK ActOnDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND dialog = uitest::FindOwnWindow(L"Latitude and Longitude Selection by Location");
    ASSERT_NE(dialog, nullptr);
    userActs(dialog);
    // A failed assertion that stopped the user early still leaves no dialog open.
    if (locationChoice.ready) SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

// `open` starts the modal dialog; `acts` is what the user does in it.
INT_PTR WithDialog(const std::function<INT_PTR()>& open, std::function<void(HWND)> acts) {
    userActs = std::move(acts);
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, ActOnDialog);
    const INT_PTR button = open();
    KillTimer(nullptr, timer);
    return button;
}

std::wstring Text(HWND dialog, int id) {
    wchar_t text[64] = L"";
    GetDlgItemTextW(dialog, id, text, 64);
    return text;
}
LRESULT List(HWND dialog, int listId, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendDlgItemMessageW(dialog, listId, message, wParam, lParam);
}
int Selected(HWND dialog, int listId) {
    return static_cast<int>(List(dialog, listId, CB_GETCURSEL));
}
// The user selects an entry of a list, which tells the dialog.
void Choose(HWND dialog, int listId, int index) {
    List(dialog, listId, CB_SETCURSEL, index);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, listId)));
}
void ChooseCategory(HWND dialog, const wchar_t* header) {
    Choose(dialog, IDC_LOC_CATEGORY,
           static_cast<int>(List(dialog, IDC_LOC_CATEGORY, CB_FINDSTRINGEXACT, -1,
                                 reinterpret_cast<LPARAM>(header))));
}
void Press(HWND dialog, int buttonId) {
    SendMessageW(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
}

Texts Fields(HWND dialog) {
    return {Text(dialog, IDC_LOC_LATITUDE), Text(dialog, IDC_LOC_LONGITUDE)};
}
// The read-only fields write a coordinate with "%g".
Texts FieldsOf(int row) {
    wchar_t latitude[32], longitude[32];
    swprintf(latitude, 32, L"%g", kLocationTable[row].latitude);
    swprintf(longitude, 32, L"%g", kLocationTable[row].longitude);
    return {latitude, longitude};
}
Place CoordinatesOf(int row) {
    return {kLocationTable[row].latitude, kLocationTable[row].longitude};
}
// What the caller of the dialog takes.
Place Result() {
    Place place;
    return TakeChosenLocation(&place.first, &place.second) ? place : kNoChange;
}
using Point = std::pair<LONG, LONG>;
Point TopLeft(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top};
}

const int kStart = 1;
const int kTokyo = FindPlace(L"Japan, Tokyo");
const int kAbilene = FindPlace(L"[ABI] Abilene, TX");
const int kTexas = kAbilene - 1;

class LocationDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_GT(kTokyo, 0);
        ASSERT_GT(kAbilene, 0);
        programInstance = GetModuleHandleW(nullptr);
        textColor = GetSysColor(COLOR_WINDOWTEXT);
        windowColor = GetSysColor(COLOR_WINDOW);
        owner = uitest::CreateTestWindow(400, 300);
        ASSERT_NE(owner, nullptr);
        ShowWindow(owner, SW_SHOWNOACTIVATE);
        mainWindow = owner;
        plotRect = RECT{0, 0, 400, 300};
        ResetPositions();
        ResetLocationChoice();
    }
    void TearDown() override {
        DestroyWindow(owner);
        mainWindow = nullptr;
        ResetPositions();
        ResetLocationChoice();
        EXPECT_FALSE(HasPendingError());
    }
    INT_PTR Run(std::function<void(HWND)> acts) {
        return WithDialog([this] { return RunLocationDialog(owner); }, std::move(acts));
    }
    HWND owner = nullptr;
};

TEST_F(LocationDialogTest, FirstOpeningThenCategoriesAndPlacesAsAUserPicksThem) {
    const INT_PTR button = Run([&](HWND dialog) {
        // At the owner's right edge, 85 pixels below its top.
        RECT o{};
        GetWindowRect(owner, &o);
        EXPECT_EQ(TopLeft(dialog), Point(o.right, o.top + 85));
        // Every row up to the end, headers and blanks too; every header once more.
        EXPECT_EQ(List(dialog, IDC_LOC_LIST, CB_GETCOUNT), kLocationRowCount - 1);
        EXPECT_EQ(List(dialog, IDC_LOC_CATEGORY, CB_GETCOUNT), LRESULT(ReadCategories().size()));
        EXPECT_EQ(Fields(dialog), Texts(L"40.6883", L"-75.2164"));

        // A category only moves the location list to its header.
        ChooseCategory(dialog, L"Texas Airport Cities");
        EXPECT_EQ(Selected(dialog, IDC_LOC_LIST), kTexas);
        EXPECT_EQ(Fields(dialog), FieldsOf(kStart));
        EXPECT_EQ(locationChoice.locationIndex, kStart);
        // A place shows its coordinates; a header picked after it keeps them.
        const std::pair<int, int> picks[] = {
            {kAbilene, kAbilene}, {kTexas, kAbilene}, {kTokyo, kTokyo}};
        for (auto [row, shown] : picks) {
            Choose(dialog, IDC_LOC_LIST, row);
            EXPECT_EQ(Fields(dialog), FieldsOf(shown)) << row;
        }
        Press(dialog, IDC_LOC_DONE);
    });
    EXPECT_EQ(button, IDC_LOC_DONE);
    EXPECT_EQ(Result(), CoordinatesOf(kTokyo));
}

// Each opening starts where the last one left the list, its category and
// its window; Cancel, or a header left picked, change nothing.
TEST_F(LocationDialogTest, ReopeningStartsWhereTheLastOpeningLeftOff) {
    struct Opening {
        int category, row; // what the opening shows selected
        Texts fields;      // and in its fields
        int pick, button;  // what the user picks, and the button pressed
        Place result;
    };
    const Opening openings[] = {
        {0, kStart, FieldsOf(kStart), kTokyo, IDCANCEL, kNoChange},
        {0, kTokyo, FieldsOf(kTokyo), kTexas, IDC_LOC_DONE, CoordinatesOf(kTokyo)},
        {0, kTexas, {L"0", L"0"}, -1, IDC_LOC_DONE, kNoChange},
    };
    Point where = {300, 200};
    for (const Opening& opening : openings) {
        const INT_PTR button = Run([&](HWND dialog) {
            if (&opening != openings) {
                EXPECT_EQ(TopLeft(dialog), where);
            }
            // The focus going to the category list, as when the dialog opens
            // in front, is no pick.
            for (int id : {IDC_LOC_CATEGORY, IDC_LOC_LIST})
                SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SETFOCUS),
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
            EXPECT_EQ(Selected(dialog, IDC_LOC_CATEGORY), opening.category);
            EXPECT_EQ(Selected(dialog, IDC_LOC_LIST), opening.row);
            EXPECT_EQ(Fields(dialog), opening.fields);
            if (opening.pick >= 0) Choose(dialog, IDC_LOC_LIST, opening.pick);
            where = {where.first + 10, where.second + 5};
            SetWindowPos(dialog, nullptr, where.first, where.second, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER);
            Press(dialog, opening.button);
        });
        EXPECT_EQ(button, opening.button);
        EXPECT_EQ(Result(), opening.result);
        const PositionRect& kept = windowPositions[kPositionLocationDialog];
        EXPECT_EQ(Point(kept.left, kept.top), where);
    }
}

// "Locations" in the selection dialog: it hides while a place is picked,
// then shows the place in its fields and computes the year there.
TEST_F(LocationDialogTest, TheSelectionDialogShowsAndComputesThePlacePicked) {
    siteLatitude = 40.6883;
    siteLongitude = -75.2164;
    ResetSunTimesSeries();
    timeZoneIndex = -1;
    OpenSelectionDialog();
    HWND selection = SelectionDialogWindow();
    ASSERT_NE(selection, nullptr);
    WithDialog(
        [&] { return SendMessageW(GetDlgItem(selection, IDC_SEL_LOCATIONS), BM_CLICK, 0, 0); },
        [&](HWND dialog) {
            EXPECT_FALSE(IsWindowVisible(selection));
            Choose(dialog, IDC_LOC_LIST, kAbilene);
            Press(dialog, IDC_LOC_DONE);
        });
    EXPECT_TRUE(IsWindowVisible(selection));
    EXPECT_EQ(Place(siteLatitude, siteLongitude), CoordinatesOf(kAbilene));
    wchar_t fixed[64];
    FormatCoordinate(siteLatitude, fixed, 64);
    EXPECT_EQ(Text(selection, IDC_SEL_LATITUDE), fixed);
    EXPECT_EQ(Place(sunTimesSeries.records[0].latitude, sunTimesSeries.records[0].longitude),
              CoordinatesOf(kAbilene));
    DestroyWindow(selection);
    ClearTimeZoneCatalogue();
    ResetSunTimesSeries();
    timeZoneIndex = -1;
    datesChosen = 0;
}

} // namespace
