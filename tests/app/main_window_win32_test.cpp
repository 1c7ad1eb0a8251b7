// The real main window, created in this process as the program creates it and
// driven through its messages.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/main_window.h"
#include "app/program_state.h"
#include "app/selection_dialog.h"
#include "app/selection_range.h"
#include "app/zoom_pan.h"
#include "datetime/date_time_format.h"
#include "presentation/presentation_state.h"
#include "presentation/sun_times_table.h"
#include "resources/resource_ids.h"
#include "settings/command_runner.h"
#include "settings/program_options.h"
#include "settings/window_positions.h"
#include "support/error_report.h"
#include "suntimes/calendar.h"
#include "suntimes/sun_times_series.h"
#include "timezones/time_zone_catalogue.h"
#include "timezones/time_zone_registry.h"
#include "ui/ui_test_window.h"
#include "suntimes/time_zone_choice.h"
#include "support/test_files.h"
#include "ui/win32_toolbars.h"

namespace {

using uitest::DrainMessages;

// The program's folder, where its settings file is read and written: one
// of the tests' own, with no settings in it, for the whole run.
const ScratchFolder& ProgramFolder() {
    static const ScratchFolder folder;
    return folder;
}

// Creates the main window the way the entry point does, with nothing remembered
// unless the caller put it in entry 0 first.
HWND StartMainWindow() {
    programInstance = GetModuleHandleW(nullptr);
    SetProgramDir(ProgramFolder().Path(L"Zelmora.exe").c_str());
    const std::wstring settings = ProgramFolder().Path(L"Zelmora.ini");
    SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_NORMAL); // kept read-only by the program
    DeleteFileW(settings.c_str());
    ForgetChosenZone();
    RunCommands(L"UPDATESITE=OFF", nullptr); // tests reach no other host
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_COOL_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    if (!RegisterMainWindowClass(programInstance)) return nullptr;
    HWND window = CreateMainWindow(programInstance);
    mainAccelerators = LoadAcceleratorsW(programInstance, MAKEINTRESOURCEW(IDA_ZELMORA));
    return window;
}

// Shows the plot, so that the text view goes the program's own way (the
// control table would otherwise keep its handle for a later main window),
// then destroys the window and takes the WM_QUIT it leaves behind.
void EndMainWindow(HWND window) {
    if (window == nullptr || !IsWindow(window)) return;
    SendMessageW(window, WM_COMMAND, IDM_DISPLAY_PLOT, 0);
    UpdateWindow(window);
    DestroyWindow(window);
    DrainMessages();
}

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}
std::tuple<int, int> SizeOf(const RECT& r) {
    return {r.right - r.left, r.bottom - r.top};
}
using Corners = std::tuple<int, int, int, int>;
Corners Recorded() {
    const PositionRect& r = windowPositions[kPositionMainWindow];
    return {r.left, r.top, r.right, r.bottom};
}
// A screen rectangle as entry 0 records it: less the cascade offset.
Corners AsRecorded(const RECT& r) {
    const int o = cascadeOffset;
    return {r.left - o, r.top - o, r.right - o, r.bottom - o};
}
int DayOfYear(const SYSTEMTIME& date) {
    int32_t day = -1;
    MonthDayToYearDay(date.wMonth, date.wDay, date.wYear, &day);
    return day;
}

class MainWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        TakePendingError();
        ResetPositions();
        window = StartMainWindow();
        if (window == nullptr) return;
        createdRect = WindowRect(window);
        ShowWindow(window, SW_SHOWNORMAL);
        Settle();
        startView = plotView;
        startDialog = SelectionDialogWindow();
        startZoneIndex = timeZoneIndex;
        Command(IDM_DISPLAY_TABLE); // the table of the series that start-up computed
        startText = TableText();
    }
    static void TearDownTestSuite() { EndMainWindow(window); }

    // Every test starts from the start-up state: the whole year as a table of
    // event times on the 12-hour clock, the status bar option on.
    void SetUp() override {
        ASSERT_NE(window, nullptr) << "the main window could not be created (is DISPLAY set?)";
        for (int command : {IDM_DISPLAY_TABLE, IDM_DATA_TIME, IDM_MODE_TIMES})
            Command(command);
        if ((dateTimeFormat & kDateTimeTwelveHour) == 0) Command(IDM_AMPM);
        if (statusBarOn == 0) Command(IDM_STATUS_BAR);
        ASSERT_TRUE(ApplyRange(0, YearLast()));
        Settle();
        TakePendingError();
    }
    void TearDown() override { TakePendingError(); }

    static void Settle() {
        DrainMessages();
        UpdateWindow(window);
        DrainMessages();
    }
    static void Command(int id) {
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        Settle();
    }
    static int YearLast() { return IsLeapYear(today.wYear) ? 365 : 364; }

    static std::wstring TableText() {
        HWND view = GetDlgItem(window, IDC_TEXT_VIEW);
        if (view == nullptr) return L"";
        std::vector<wchar_t> text(SendMessageW(view, WM_GETTEXTLENGTH, 0, 0) + 1);
        SendMessageW(view, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
        return text.data();
    }
    // What the text view shows of the current settings and series: the program
    // information, a blank line and the table.
    static std::wstring ExpectedText() {
        std::vector<wchar_t> table(SunTimesTableLength(L"\r\n") + 1);
        FormatSunTimesTable(table.data(), static_cast<int>(table.size()), L"\r\n");
        return std::wstring(programInfo) + L"\r\n\r\n" + table.data();
    }
    static bool MenuChecked(int command) {
        return (GetMenuState(GetMenu(window), command, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }

    static inline HWND window = nullptr, startDialog = nullptr;
    static inline RECT createdRect;
    static inline int startView = -1, startZoneIndex = -1;
    static inline std::wstring startText;
};

// The plot first, with the selection dialog beside it; the table holds every
// day of the current year in the computer's zone.
TEST_F(MainWindowTest, StartsWithTheYearInTheComputersZone) {
    EXPECT_EQ(SizeOf(createdRect), std::make_tuple(kDefaultMainWidth, kDefaultMainHeight));
    EXPECT_EQ(startView, kViewPlot);
    ASSERT_NE(startDialog, nullptr);
    EXPECT_EQ(GetWindow(startDialog, GW_OWNER), window);
    EXPECT_EQ(startText, ExpectedText());
    EXPECT_EQ(FindComputerZoneIndex(), startZoneIndex);
    EXPECT_EQ(sunTimesSeries.records[0].year, today.wYear);
}

// A command of each group checks its menu item and its button and unchecks
// the rest of its group; the clock command toggles. The text view, there for
// the table alone, shows the table of the new state.
TEST_F(MainWindowTest, CommandsCheckTheirItemSetTheStateAndShowIt) {
    const std::vector<int> views = {IDM_DISPLAY_PLOT, IDM_DISPLAY_TABLE},
                           kinds = {IDM_DATA_TIME, IDM_DATA_VELOCITY, IDM_DATA_ACCELERATION},
                           modes = {IDM_MODE_TIMES, IDM_MODE_LENGTHS}, clock = {};
    const struct {
        int command, *state, value;
        const std::vector<int>& group; // with their buttons on the toolbar
        ToolbarRow toolbar;
    } steps[] = {
        {IDM_AMPM, &dateTimeFormat, 0, clock, kDisplayToolbar},
        {IDM_MODE_LENGTHS, &sunTimesSeries.cacheKey.showLengths, kShowLengths, modes,
         kSunTimesToolbar},
        {IDM_DATA_VELOCITY, &DataKind, kDataVelocity, kinds, kDisplayToolbar},
        {IDM_DISPLAY_PLOT, &plotView, kViewPlot, views, kDisplayToolbar},
    };
    std::wstring shown = TableText();
    for (const auto& step : steps) {
        SCOPED_TRACE(step.command);
        Command(step.command);
        const bool clockStep = step.command == IDM_AMPM;
        EXPECT_EQ(*step.state & (clockStep ? kDateTimeTwelveHour : -1), step.value);
        if (clockStep) {
            EXPECT_FALSE(MenuChecked(IDM_AMPM));
        }
        for (int other : step.group) {
            EXPECT_EQ(MenuChecked(other), other == step.command);
            const HWND toolbar = bandTable[step.toolbar].toolbar;
            EXPECT_EQ(SendMessageW(toolbar, TB_ISBUTTONCHECKED, other, 0) != 0,
                      other == step.command);
        }
        EXPECT_NE(TableText(), shown);
        shown = TableText();
        EXPECT_EQ(shown, plotView == kViewPlot ? L"" : ExpectedText());
    }
}

// A pending error stays through notifications of the text view, which are
// not commands; the next command takes it (the status bar test draws it).
TEST_F(MainWindowTest, APendingErrorLastsUntilTheNextCommand) {
    ReportError(L"Test Error");
    HWND view = GetDlgItem(window, IDC_TEXT_VIEW);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_TEXT_VIEW, EN_SETFOCUS), LPARAM(view));
    EXPECT_TRUE(HasPendingError());
    Command(IDM_DISPLAY_TABLE);
    EXPECT_FALSE(HasPendingError());
}

TEST_F(MainWindowTest, MovesAreRecordedWithEdgesOnTheScreenAndNormalRectangles) {
    const RECT before = WindowRect(window);
    const int width = before.right - before.left, height = before.bottom - before.top;
    SetWindowPos(window, nullptr, -40, -30, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Recorded(), Corners(0, 0, width, height));

    // Minimized and maximized, the normal rectangle stays recorded; a
    // maximized window stays maximized when it is repainted.
    SetWindowPos(window, nullptr, 120 + cascadeOffset, 60 + cascadeOffset, 600, 480,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    const Corners normal(120, 60, 720, 540);
    EXPECT_EQ(Recorded(), normal);
    for (int show : {SW_MINIMIZE, SW_RESTORE, SW_MAXIMIZE, SW_RESTORE}) {
        ShowWindow(window, show);
        InvalidateRect(window, nullptr, TRUE);
        Settle();
        EXPECT_EQ(IsIconic(window) != 0, show == SW_MINIMIZE);
        EXPECT_EQ(IsZoomed(window) != 0, show == SW_MAXIMIZE);
        if (show == SW_MAXIMIZE) {
            EXPECT_GE(std::get<0>(SizeOf(WindowRect(window))), GetSystemMetrics(SM_CXSCREEN));
        }
        EXPECT_EQ(Recorded(), normal) << show;
    }

    // "Default Windows Size and Position" forgets the rectangle and places the
    // window at its default one.
    Command(IDM_DEFAULT_WINDOWS);
    const RECT placed = WindowRect(window);
    EXPECT_EQ(SizeOf(placed), std::make_tuple(kDefaultMainWidth, kDefaultMainHeight));
    EXPECT_EQ(Recorded(), AsRecorded(placed));
    SetWindowPos(window, nullptr, before.left, before.top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
}

TEST_F(MainWindowTest, RepaintingTheSameTableKeepsWhereTheUserScrolled) {
    HWND text = GetDlgItem(window, IDC_TEXT_VIEW);
    ASSERT_NE(text, nullptr);
    SendMessageW(text, EM_LINESCROLL, 0, 120);
    const LRESULT scrolled = SendMessageW(text, EM_GETFIRSTVISIBLELINE, 0, 0);
    ASSERT_GT(scrolled, 0);
    InvalidateRect(window, nullptr, TRUE);
    Settle();
    EXPECT_EQ(SendMessageW(text, EM_GETFIRSTVISIBLELINE, 0, 0), scrolled);
}

// The arithmetic of a zoom or pan is the portable one; this checks that the
// mouse over the plot reaches it, and that the selection dialog's pickers follow.
TEST_F(MainWindowTest, AClickTheWheelAndADragChangeTheShownRange) {
    Command(IDM_DISPLAY_PLOT);
    ASSERT_LT(plotRect.top, plotRect.bottom);
    const POINT p{(plotRect.left + plotRect.right) / 2, (plotRect.top + plotRect.bottom) / 2};
    const double fx = static_cast<double>(p.x - plotRect.left) / (plotRect.right - plotRect.left);
    auto mouse = [](UINT message, WPARAM keys, POINT at) {
        EXPECT_EQ(SendMessageW(window, message, keys, MAKELPARAM(at.x, at.y)), 0);
    };
    enum Gesture { kClick, kWheel, kDrag };
    for (Gesture gesture : {kClick, kWheel, kDrag}) {
        SCOPED_TRACE(gesture);
        ASSERT_TRUE(ApplyRange(100, 199));
        Settle();
        // A drag of one pixel to the left shows one day later.
        RangeChange want = {true, 101, 200};
        if (gesture != kDrag) want = ZoomIn(ShownRange{100, 199, YearLast()}, fx);
        if (gesture == kClick) {
            mouse(WM_LBUTTONDOWN, MK_LBUTTON, p);
            mouse(WM_LBUTTONUP, 0, p);
        } else if (gesture == kWheel) {
            POINT screen = p;
            ClientToScreen(window, &screen);
            SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA),
                         MAKELPARAM(screen.x, screen.y));
        } else {
            mouse(WM_LBUTTONDOWN, MK_LBUTTON, p);
            mouse(WM_MOUSEMOVE, MK_LBUTTON, POINT{p.x - 1, p.y});
            mouse(WM_LBUTTONUP, 0, POINT{p.x - 1, p.y});
        }
        Settle();
        EXPECT_EQ(std::make_tuple(DayOfYear(rangeStart), DayOfYear(rangeEnd)),
                  std::make_tuple(want.start, want.end));
        EXPECT_EQ(std::make_tuple(sunTimesSeries.startDay, sunTimesSeries.endDay),
                  std::make_tuple(want.start, want.end));
        ASSERT_NE(SelectionDialogWindow(), nullptr);
        for (int id : {IDC_SEL_START_DATE, IDC_SEL_END_DATE}) {
            SYSTEMTIME date{};
            SendDlgItemMessageW(SelectionDialogWindow(), id, DTM_GETSYSTEMTIME, 0,
                                reinterpret_cast<LPARAM>(&date));
            EXPECT_EQ(DayOfYear(date), id == IDC_SEL_START_DATE ? want.start : want.end);
        }
    }
}

// Creation with a remembered rectangle, and the shut-down, each with a window of its own.
TEST(MainWindowLifecycle, RemembersWhereItWasAndShutsDownInOrder) {
    TakePendingError();
    ResetPositions();
    // A remembered top edge of 0 counts as nothing remembered.
    windowPositions[kPositionMainWindow] = PositionRect{130, 0, 830, 400};
    HWND window = StartMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SizeOf(WindowRect(window)), std::make_tuple(kDefaultMainWidth, kDefaultMainHeight));
    EndMainWindow(window);

    windowPositions[kPositionMainWindow] = PositionRect{110, 70, 710, 570};
    window = StartMainWindow();
    ASSERT_NE(window, nullptr);
    const RECT created = WindowRect(window);
    EXPECT_EQ(std::make_tuple(created.left, created.top), std::make_tuple(110L, 70L));
    EXPECT_EQ(SizeOf(created), std::make_tuple(600, 500));
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    DrainMessages();
    EXPECT_EQ(mainWindow, window);
    ASSERT_GT(timeZoneCatalogue.count, 0);

    // Shut-down records the window's last rectangle in entry 0, over a stale
    // one. Another window is active, so that the main window's deactivation
    // cannot move it to the stale rectangle first.
    SendMessageW(window, WM_COMMAND, IDM_DISPLAY_PLOT, 0);
    UpdateWindow(window);
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(other);
    ASSERT_NE(GetActiveWindow(), window);
    const RECT last = WindowRect(window);
    windowPositions[kPositionMainWindow] = PositionRect{5, 6, 600, 500};
    EXPECT_TRUE(DestroyWindow(window));
    DestroyWindow(other);
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
    EXPECT_EQ(mainWindow, nullptr);
    EXPECT_EQ(timeZoneCatalogue.count, 0);
    EXPECT_EQ(timeZoneCatalogue.head, nullptr);
    EXPECT_EQ(Recorded(), AsRecorded(last));
    DrainMessages();
}

} // namespace
