// The location selection dialog driven through its own controls while it
// runs modally, and the selection dialog's "Locations" button that opens it.
// A plain window stands in for the main window. Set ZELMORA_DIALOG_SHOW_MS
// to keep each opening on the screen for a look (or a screenshot).
#include "locations/location_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/coordinate_text.h"
#include "app/program_state.h"
#include "app/selection_dialog.h"
#include "locations/location_choice.h"
#include "locations/location_table.h"
#include "locations/table_walk.h"
#include "presentation/presentation_state.h"
#include "resources/resource_ids.h"
#include "settings/window_positions.h"
#include "support/error_report.h"
#include "suntimes/sun_times_series.h"
#include "timezones/time_zone_catalogue.h"

namespace {

const wchar_t kCaption[] = L"Latitude and Longitude Selection by Location";

// What the user does while the dialog runs; set by RunDialog for its timer.
std::function<void(HWND)>* script = nullptr;

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t caption[64] = L"";
    GetWindowTextW(window, caption, 64);
    if (std::wcscmp(caption, kCaption) != 0 || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// Runs once the modal loop runs: the script acts, and a script that stopped
// early (a failed assertion) still leaves no dialog open.
void CALLBACK ActOnDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    ASSERT_NE(dialog, nullptr);
    if (const char* hold = std::getenv("ZELMORA_DIALOG_SHOW_MS")) {
        const DWORD until = GetTickCount() + static_cast<DWORD>(std::atoi(hold));
        MSG message;
        while (GetTickCount() < until) {
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
            Sleep(10);
        }
    }
    (*script)(dialog);
    if (locationChoice.ready) SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

// Opens the dialog (or lets `open` do it) and hands it to `act` once it shows.
INT_PTR RunDialog(const std::function<void(HWND)>& act, const std::function<INT_PTR()>& open) {
    std::function<void(HWND)> copy = act;
    script = &copy;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, ActOnDialog);
    const INT_PTR result = open();
    KillTimer(nullptr, timer);
    script = nullptr;
    return result;
}

std::wstring Text(HWND dialog, int id) {
    wchar_t text[64] = L"";
    GetDlgItemTextW(dialog, id, text, 64);
    return text;
}
int Selected(HWND dialog, int listId) {
    return static_cast<int>(SendDlgItemMessageW(dialog, listId, CB_GETCURSEL, 0, 0));
}
std::wstring Item(HWND dialog, int listId, int index) {
    wchar_t text[128] = L"";
    if (SendDlgItemMessageW(dialog, listId, CB_GETLBTEXTLEN, index, 0) < 128)
        SendDlgItemMessageW(dialog, listId, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}
int Count(HWND dialog, int listId) {
    return static_cast<int>(SendDlgItemMessageW(dialog, listId, CB_GETCOUNT, 0, 0));
}

// The user selects an entry of a list; the list tells the dialog.
void Choose(HWND dialog, int listId, int index) {
    SendDlgItemMessageW(dialog, listId, CB_SETCURSEL, index, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, listId)));
}
void ChooseCategory(HWND dialog, const wchar_t* header) {
    const int index = static_cast<int>(SendDlgItemMessageW(
        dialog, IDC_LOC_CATEGORY, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(header)));
    ASSERT_GE(index, 0);
    Choose(dialog, IDC_LOC_CATEGORY, index);
}
void Press(HWND dialog, int buttonId) {
    SendMessageW(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
}

// The read-only fields write a coordinate with "%g".
std::wstring Shown(double value) {
    wchar_t text[32];
    swprintf(text, 32, L"%g", value);
    return text;
}
std::pair<std::wstring, std::wstring> Fields(HWND dialog) {
    return {Text(dialog, IDC_LOC_LATITUDE), Text(dialog, IDC_LOC_LONGITUDE)};
}
std::pair<std::wstring, std::wstring> FieldsOf(int row) {
    return {Shown(kLocationTable[row].latitude), Shown(kLocationTable[row].longitude)};
}

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

const int kStart = 1;
const int kTokyo = FindPlace(L"Japan, Tokyo");
const int kAbilene = FindPlace(L"[ABI] Abilene, TX");
const int kTexas = kAbilene - 1;

class LocationDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_GE(kTokyo, 0);
        ASSERT_GE(kAbilene, 0);
        programInstance = GetModuleHandleW(nullptr);
        textColor = GetSysColor(COLOR_WINDOWTEXT);
        windowColor = GetSysColor(COLOR_WINDOW);
        WNDCLASSW cls = {};
        cls.lpfnWndProc = DefWindowProcW;
        cls.hInstance = programInstance;
        cls.lpszClassName = L"ZelmoraLocationTestOwner";
        RegisterClassW(&cls); // fails harmlessly when registered before
        owner = CreateWindowExW(0, cls.lpszClassName, L"Zelmora", WS_OVERLAPPEDWINDOW, 40, 40, 420,
                                360, nullptr, nullptr, programInstance, nullptr);
        ASSERT_NE(owner, nullptr);
        ShowWindow(owner, SW_SHOWNOACTIVATE);
        mainWindow = owner;
        plotRect = RECT{0, 0, 400, 300};
        ResetPositions();
        ResetLocationChoice();
        TakePendingError();
    }
    void TearDown() override {
        if (SelectionDialogWindow() != nullptr) DestroyWindow(SelectionDialogWindow());
        DestroyWindow(owner);
        mainWindow = nullptr;
        ResetPositions();
        ResetLocationChoice();
        EXPECT_FALSE(HasPendingError());
    }
    INT_PTR Run(const std::function<void(HWND)>& act) {
        return RunDialog(act, [this] { return RunLocationDialog(owner); });
    }
    // The result as the caller takes it; "none" when nothing changes.
    static std::pair<double, double> Result() {
        double latitude = 0, longitude = 0;
        if (!TakeChosenLocation(&latitude, &longitude)) return {-999, -999};
        return {latitude, longitude};
    }
    static std::pair<double, double> CoordinatesOf(int row) {
        return {kLocationTable[row].latitude, kLocationTable[row].longitude};
    }

    HWND owner = nullptr;
};

TEST_F(LocationDialogTest, FirstOpeningShowsTheStartPlaceUnderTheFirstCategory) {
    const std::vector<TableCategory> categories = ReadCategories();
    const INT_PTR button = Run([&](HWND dialog) {
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
        // At the owner's right edge, 85 pixels below its top.
        const RECT o = WindowRect(owner), d = WindowRect(dialog);
        EXPECT_EQ(std::make_pair(d.left, d.top), std::make_pair(o.right, o.top + 85));

        // Every row up to the end, headers and blanks too; every header once more.
        ASSERT_EQ(Count(dialog, IDC_LOC_LIST), kLocationRowCount - 1);
        for (int row = 0; row < kLocationRowCount - 1; ++row)
            ASSERT_EQ(Item(dialog, IDC_LOC_LIST, row), kLocationTable[row].name) << row;
        ASSERT_EQ(Count(dialog, IDC_LOC_CATEGORY), static_cast<int>(categories.size()));
        for (size_t i = 0; i < categories.size(); ++i)
            EXPECT_EQ(Item(dialog, IDC_LOC_CATEGORY, static_cast<int>(i)), categories[i].header);

        EXPECT_EQ(Item(dialog, IDC_LOC_CATEGORY, Selected(dialog, IDC_LOC_CATEGORY)),
                  L"Special Locations");
        EXPECT_EQ(Selected(dialog, IDC_LOC_LIST), kStart);
        EXPECT_EQ(Fields(dialog),
                  std::make_pair(std::wstring(L"40.6883"), std::wstring(L"-75.2164")));
        // Typing into the fields changes nothing.
        for (int id : {IDC_LOC_LATITUDE, IDC_LOC_LONGITUDE})
            SendMessageW(GetDlgItem(dialog, id), WM_CHAR, L'7', 1);
        EXPECT_EQ(Fields(dialog), FieldsOf(kStart));
        Press(dialog, IDC_LOC_DONE);
    });
    EXPECT_EQ(button, IDC_LOC_DONE);
    EXPECT_EQ(Result(), CoordinatesOf(kStart));
}

// A category only moves the location list to its header: the coordinates,
// the result and the place to reopen at stay.
TEST_F(LocationDialogTest, ACategoryMovesTheListToItsHeaderAndNothingElse) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"Texas Airport Cities", L"[ABI] Abilene, TX"},
        {L"World Capitals, Alphabetical by Country", L"Afghanistan, Kabul"},
        {L"Alabama Airport Cities", L"[ANB] Anniston, AL"},
    };
    for (const auto& [header, firstPlace] : cases) {
        SCOPED_TRACE(std::string(header, header + std::wcslen(header)));
        Run([&](HWND dialog) {
            ChooseCategory(dialog, header);
            EXPECT_EQ(Item(dialog, IDC_LOC_CATEGORY, Selected(dialog, IDC_LOC_CATEGORY)), header);
            const int at = Selected(dialog, IDC_LOC_LIST);
            EXPECT_EQ(Item(dialog, IDC_LOC_LIST, at), header);
            EXPECT_EQ(Item(dialog, IDC_LOC_LIST, at + 1), firstPlace);
            EXPECT_EQ(Fields(dialog), FieldsOf(kStart));
            Press(dialog, IDC_LOC_DONE);
        });
        EXPECT_EQ(Result(), CoordinatesOf(kStart));
        EXPECT_EQ(locationChoice.categoryIndex, FindCategory(header));
        EXPECT_EQ(locationChoice.locationIndex, kStart);
    }
}

// A place shows its coordinates; a header or a blank picked after it keeps
// them, and "Done" takes them.
TEST_F(LocationDialogTest, PickedPlacesShowTheirCoordinatesAndHeadersOrBlanksKeepThem) {
    const INT_PTR button = Run([&](HWND dialog) {
        ChooseCategory(dialog, L"Texas Airport Cities");
        const std::pair<int, int> steps[] = {
            {kAbilene, kAbilene}, {kTexas, kAbilene}, {kTexas - 1, kAbilene},
            {kTokyo, kTokyo},     {0, kTokyo},
        };
        for (const auto& [row, shown] : steps) {
            Choose(dialog, IDC_LOC_LIST, row);
            EXPECT_EQ(Fields(dialog), FieldsOf(shown)) << row;
            EXPECT_EQ(locationChoice.locationIndex, row);
        }
        Choose(dialog, IDC_LOC_LIST, kAbilene);
        Press(dialog, IDC_LOC_DONE);
    });
    EXPECT_EQ(button, IDC_LOC_DONE);
    EXPECT_EQ(Result(), CoordinatesOf(kAbilene));
}

TEST_F(LocationDialogTest, CancelKeepsTheLocationButNotWhereTheListWasLeft) {
    const INT_PTR button = Run([&](HWND dialog) {
        Choose(dialog, IDC_LOC_LIST, kTokyo);
        Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(button, IDCANCEL);
    EXPECT_EQ(Result(), std::make_pair(-999.0, -999.0));
    // The next opening shows the place the list was left at.
    Run([&](HWND dialog) {
        EXPECT_EQ(Selected(dialog, IDC_LOC_LIST), kTokyo);
        EXPECT_EQ(Fields(dialog), FieldsOf(kTokyo));
        Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(Result(), std::make_pair(-999.0, -999.0));
}

TEST_F(LocationDialogTest, ReopensAtTheLastPlaceCategoryAndPosition) {
    Run([&](HWND dialog) {
        ChooseCategory(dialog, L"Texas Airport Cities");
        Choose(dialog, IDC_LOC_LIST, kAbilene);
        SetWindowPos(dialog, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Press(dialog, IDC_LOC_DONE);
    });
    const PositionRect& kept = windowPositions[kPositionLocationDialog];
    EXPECT_EQ(std::make_pair(kept.left, kept.top), std::make_pair(300, 200));
    const INT_PTR button = Run([&](HWND dialog) {
        const RECT where = WindowRect(dialog);
        EXPECT_EQ(std::make_pair(where.left, where.top), std::make_pair(300L, 200L));
        EXPECT_EQ(Item(dialog, IDC_LOC_CATEGORY, Selected(dialog, IDC_LOC_CATEGORY)),
                  L"Texas Airport Cities");
        EXPECT_EQ(Selected(dialog, IDC_LOC_LIST), kAbilene);
        EXPECT_EQ(Fields(dialog), FieldsOf(kAbilene));
        Press(dialog, IDC_LOC_DONE);
    });
    EXPECT_EQ(button, IDC_LOC_DONE);
    EXPECT_EQ(Result(), CoordinatesOf(kAbilene));
}

// Left on a header, the list reopens there with 0 and 0, which change nothing.
TEST_F(LocationDialogTest, LeftOnAHeaderTheNextOpeningChangesNothing) {
    Run([&](HWND dialog) {
        Choose(dialog, IDC_LOC_LIST, kTexas);
        Press(dialog, IDC_LOC_DONE);
    });
    EXPECT_EQ(Result(), CoordinatesOf(kStart)); // what the first opening showed
    Run([&](HWND dialog) {
        EXPECT_EQ(Selected(dialog, IDC_LOC_LIST), kTexas);
        EXPECT_EQ(Fields(dialog), std::make_pair(std::wstring(L"0"), std::wstring(L"0")));
        Press(dialog, IDC_LOC_DONE);
    });
    EXPECT_EQ(Result(), std::make_pair(-999.0, -999.0));
}

// "Locations" in the selection dialog: it hides while the place is picked,
// then shows the place in its fields and computes the year there.
TEST_F(LocationDialogTest, TheSelectionDialogShowsAndComputesThePlacePicked) {
    siteLatitude = 40.6883;
    siteLongitude = -75.2164;
    ResetSunTimesSeries();
    timeZoneIndex = -1;
    OpenSelectionDialog();
    HWND selection = SelectionDialogWindow();
    ASSERT_NE(selection, nullptr);
    auto pressLocations = [&] {
        Press(selection, IDC_SEL_LOCATIONS);
        return INT_PTR(0);
    };
    auto field = [&](int id) { return Text(selection, id); };
    auto fixed = [](double value) {
        wchar_t text[64];
        FormatCoordinate(value, text, 64);
        return std::wstring(text);
    };

    RunDialog(
        [&](HWND dialog) {
            EXPECT_FALSE(IsWindowVisible(selection));
            ChooseCategory(dialog, L"Texas Airport Cities");
            Choose(dialog, IDC_LOC_LIST, kAbilene);
            Press(dialog, IDC_LOC_DONE);
        },
        pressLocations);
    EXPECT_TRUE(IsWindowVisible(selection));
    EXPECT_EQ(std::make_pair(siteLatitude, siteLongitude), CoordinatesOf(kAbilene));
    EXPECT_EQ(field(IDC_SEL_LATITUDE), fixed(kLocationTable[kAbilene].latitude));
    EXPECT_EQ(field(IDC_SEL_LONGITUDE), fixed(kLocationTable[kAbilene].longitude));
    EXPECT_EQ(sunTimesSeries.records[0].latitude, kLocationTable[kAbilene].latitude);
    EXPECT_EQ(sunTimesSeries.records[0].longitude, kLocationTable[kAbilene].longitude);

    // Cancel: the place, the fields and the series stay.
    RunDialog(
        [&](HWND dialog) {
            Choose(dialog, IDC_LOC_LIST, kTokyo);
            Press(dialog, IDCANCEL);
        },
        pressLocations);
    EXPECT_TRUE(IsWindowVisible(selection));
    EXPECT_EQ(std::make_pair(siteLatitude, siteLongitude), CoordinatesOf(kAbilene));
    EXPECT_EQ(field(IDC_SEL_LATITUDE), fixed(kLocationTable[kAbilene].latitude));
    EXPECT_EQ(sunTimesSeries.records[0].latitude, kLocationTable[kAbilene].latitude);

    DestroyWindow(selection);
    ClearTimeZoneCatalogue();
    ResetSunTimesSeries();
    timeZoneIndex = -1;
    datesChosen = 0;
}

} // namespace
