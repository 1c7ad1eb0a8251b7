// The real main window, created in this process as the program creates it and
// driven through its messages.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <tuple>
#include <vector>

#include "app/bars.h"
#include "app/commands.h"
#include "app/main_window.h"
#include "app/repaint.h"
#include "app/selection_range.h"
#include "app/program_state.h"
#include "app/selection_dialog.h"
#include "app/zoom_pan.h"
#include "datetime/date_time_format.h"
#include "presentation/presentation_state.h"
#include "presentation/sun_times_table.h"
#include "resources/resource_ids.h"
#include "settings/program_options.h"
#include "settings/window_positions.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "suntimes/calendar.h"
#include "suntimes/sun_times_series.h"
#include "timezones/time_zone_catalogue.h"
#include "timezones/time_zone_registry.h"
#include "ui/win32_status_bar.h"
#include "ui/win32_support.h"
#include "ui/win32_toolbars.h"
#include "ui/ui_test_window.h"

namespace {

using uitest::DrainMessages;

// Creates the main window the way the entry point does, with nothing remembered
// unless the caller put it in entry 0 first.
HWND StartMainWindow() {
    programInstance = GetModuleHandleW(nullptr);
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
std::tuple<int, int, int, int> Corners(const PositionRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The line of the text that starts with `head`.
std::wstring LineStarting(const std::wstring& text, const std::wstring& head) {
    const size_t at = text.find(L"\n" + head);
    return at == std::wstring::npos ? L"" : text.substr(at + 1, text.find(L'\r', at) - at - 1);
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
        Command(IDM_DISPLAY_TABLE);
        Command(IDM_DATA_TIME);
        Command(IDM_MODE_TIMES);
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
    static void Resize(int width, int height) {
        SetWindowPos(window, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    // information, a blank line and the table (whose content the tests of the
    // presentation check).
    static std::wstring ExpectedText() {
        std::vector<wchar_t> table(SunTimesTableLength(L"\r\n") + 1);
        FormatSunTimesTable(table.data(), static_cast<int>(table.size()), L"\r\n");
        return std::wstring(programInfo) + L"\r\n\r\n" + table.data();
    }
    static bool Checked(ToolbarRow toolbar, int command) {
        return SendMessageW(bandTable[toolbar].toolbar, TB_ISBUTTONCHECKED, command, 0) != 0;
    }

    static inline HWND window = nullptr, startDialog = nullptr;
    static inline RECT createdRect;
    static inline int startView = -1, startZoneIndex = -1;
    static inline std::wstring startText;
};

TEST_F(MainWindowTest, StartsWithTheYearInTheComputersZoneAtTheDefaultPlace) {
    EXPECT_EQ(SizeOf(createdRect), std::make_tuple(kDefaultMainWidth, kDefaultMainHeight));
    MINMAXINFO limits{};
    EXPECT_EQ(SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits)), 0);
    EXPECT_EQ(std::make_tuple(limits.ptMinTrackSize.x, limits.ptMinTrackSize.y),
              std::make_tuple(526L, 452L));
    // The plot first, with the selection dialog beside it.
    EXPECT_EQ(startView, 1);
    ASSERT_NE(startDialog, nullptr);
    EXPECT_EQ(GetWindow(startDialog, GW_OWNER), window);

    // The table of every day of the current year in the computer's zone.
    ASSERT_NE(programInfo[0], L'\0');
    EXPECT_EQ(startText, ExpectedText());
    EXPECT_EQ(LineStarting(startText, L"Sun Times:"), L"Sun Times: Time of Day");
    ASSERT_GE(startZoneIndex, 0);
    EXPECT_EQ(FindComputerZoneIndex(), startZoneIndex);
    ASSERT_NE(timeZoneCatalogue.selectedZone, nullptr);
    wchar_t zone[256];
    FormatZoneOffset(&timeZoneCatalogue.selectedZone->zone, zone, 256);
    EXPECT_EQ(LineStarting(startText, L"Timezone = (UTC"), std::wstring(L"Timezone = ") + zone);
    wchar_t first[24], last[24];
    FormatText(first, 24, L"\r\n 1/01/%d ", today.wYear);
    FormatText(last, 24, L"\r\n12/31/%d ", today.wYear);
    EXPECT_NE(startText.find(first), std::wstring::npos);
    EXPECT_NE(startText.find(last), std::wstring::npos);
}

TEST_F(MainWindowTest, ViewCommandsSwapTheTextViewForThePlotAndBack) {
    for (int command : {IDM_DISPLAY_PLOT, IDM_DISPLAY_TABLE}) {
        Command(command);
        const bool plot = command == IDM_DISPLAY_PLOT;
        EXPECT_EQ(plotView, plot ? 1 : 0);
        EXPECT_EQ(Checked(kDisplayToolbar, IDM_DISPLAY_PLOT), plot);
        EXPECT_EQ(Checked(kDisplayToolbar, IDM_DISPLAY_TABLE), !plot);
        EXPECT_EQ(GetDlgItem(window, IDC_TEXT_VIEW) == nullptr, plot);
        EXPECT_EQ(GetDlgItem(window, IDC_TEXT_VIEW), TextViewControl());
    }
    HWND view = GetDlgItem(window, IDC_TEXT_VIEW);
    EXPECT_TRUE(IsWindowVisible(view));
    EXPECT_TRUE(TableText() == startText);

    // It fills the result area between the bars, also after a resize.
    const RECT before = WindowRect(window);
    for (int width : {0, 820}) {
        if (width != 0) Resize(width, 640);
        RECT area = WindowRect(view), client, bar = WindowRect(statusBarWindow);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&bar), 2);
        GetClientRect(window, &client);
        EXPECT_TRUE(EqualRect(&area, &plotRect));
        EXPECT_GT(plotRect.top, 20); // below the rebar
        EXPECT_EQ(plotRect.bottom, bar.top);
        EXPECT_EQ(bar.bottom, client.bottom);
    }
    Resize(before.right - before.left, before.bottom - before.top);
}

// Each data kind and mode command checks its one button of the group, sets
// the state (a mode recomputes the series) and shows the table of it.
TEST_F(MainWindowTest, DataKindAndModeCommandsCheckTheirButtonAndShowTheirTable) {
    const std::vector<int> kinds = {IDM_DATA_TIME, IDM_DATA_VELOCITY, IDM_DATA_ACCELERATION},
                           modes = {IDM_MODE_TIMES, IDM_MODE_LENGTHS};
    const struct {
        int command;
        int* state;
        int value;
    } steps[] = {
        {IDM_DATA_VELOCITY, &DataKind, kDataVelocity},
        {IDM_DATA_ACCELERATION, &DataKind, kDataAcceleration},
        {IDM_MODE_LENGTHS, &sunTimesSeries.cacheKey.showLengths, kShowLengths},
        {IDM_DATA_VELOCITY, &DataKind, kDataVelocity},
        {IDM_DATA_TIME, &DataKind, kDataTime},
        {IDM_MODE_TIMES, &sunTimesSeries.cacheKey.showLengths, 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.command);
        Command(step.command);
        EXPECT_EQ(*step.state, step.value);
        const bool kind = step.state == &DataKind;
        for (int other : kind ? kinds : modes)
            EXPECT_EQ(Checked(kind ? kDisplayToolbar : kSunTimesToolbar, other),
                      other == step.command);
        EXPECT_EQ(TableText(), ExpectedText());
    }
    EXPECT_EQ(sunTimesSeries.showLengths, 0);
}

TEST_F(MainWindowTest, AmPmCommandSwitchesTheClockOfTheCells) {
    const std::wstring twelve = TableText();
    Command(IDM_AMPM);
    EXPECT_EQ(dateTimeFormat & kDateTimeTwelveHour, 0);
    EXPECT_NE(TableText(), twelve);
    EXPECT_EQ(TableText(), ExpectedText());
    Command(IDM_AMPM);
    EXPECT_EQ(TableText(), twelve);
}

// KillTimer tells whether the timer ran; the test starts it again as the
// window would have kept it.
TEST_F(MainWindowTest, StatusBarOptionStartsAndStopsItsTimer) {
    for (int on : {1, 0, 1}) {
        if (statusBarOn != on) Command(IDM_STATUS_BAR);
        EXPECT_EQ(statusBarOn, on);
        EXPECT_EQ(KillTimer(window, kTimerStatusBar) != 0, on == 1);
        if (on == 1) SetTimer(window, kTimerStatusBar, kTimerPeriod, nullptr);
    }
}

// A forgotten stamp stands for a second gone by: one point more, 1 after 5.
TEST_F(MainWindowTest, TimerZeroAdvancesTheStatusLinePointsOncePerSecond) {
    auto points = [] {
        const std::wstring line = statusLine.line;
        EXPECT_EQ(line.compare(0, std::wcslen(statusLine.text), statusLine.text), 0);
        return static_cast<int>(line.size() - std::wcslen(statusLine.text));
    };
    const int before = points();
    statusLine.dots.stamp = -1;
    SendMessageW(window, WM_TIMER, kTimerStatusDots, 0);
    EXPECT_EQ(points(), before % 5 + 1);
    // Within the second nothing moves.
    SendMessageW(window, WM_TIMER, kTimerStatusDots, 0);
    EXPECT_EQ(points(), before % 5 + 1);
}

TEST_F(MainWindowTest, PendingErrorIsShownOnTheStatusBarUntilTheNextCommand) {
    // The bar drawn into memory: other windows on the display cannot hide it.
    auto redPixels = [] {
        RECT bar;
        GetClientRect(statusBarWindow, &bar);
        uitest::PixelCanvas canvas(bar.right, bar.bottom);
        SendMessageW(statusBarWindow, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()),
                     PRF_CLIENT);
        return canvas.Count(RGB(255, 0, 0), 141, statusBarLineHeight, bar.right,
                            2 * statusBarLineHeight);
    };
    ASSERT_EQ(redPixels(), 0);
    ReportError(L"Test Error Shown In Red");
    RefreshStatusBar();
    EXPECT_GT(redPixels(), 20);
    // Notifications of the text view are not commands: the message stays.
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_TEXT_VIEW, EN_SETFOCUS),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_TEXT_VIEW)));
    EXPECT_TRUE(HasPendingError());
    Command(IDM_DISPLAY_TABLE);
    EXPECT_FALSE(HasPendingError());
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(MainWindowTest, MovesAreRecordedWithEdgesOnTheScreenAndNormalRectangles) {
    const RECT before = WindowRect(window);
    const int width = before.right - before.left, height = before.bottom - before.top;
    const PositionRect& entry = windowPositions[kPositionMainWindow];
    SetWindowPos(window, nullptr, -40, -30, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Corners(entry), std::make_tuple(0, 0, width, height));

    // Minimized and maximized, the normal rectangle stays recorded.
    SetWindowPos(window, nullptr, 120 + cascadeOffset, 60 + cascadeOffset, 600, 480,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    const auto normal = std::make_tuple(120, 60, 720, 540);
    EXPECT_EQ(Corners(entry), normal);
    for (int show : {SW_MINIMIZE, SW_RESTORE, SW_MAXIMIZE, SW_RESTORE}) {
        ShowWindow(window, show);
        Settle();
        EXPECT_EQ(IsIconic(window) != 0, show == SW_MINIMIZE);
        EXPECT_EQ(IsZoomed(window) != 0, show == SW_MAXIMIZE);
        EXPECT_EQ(Corners(entry), normal) << show;
    }

    // "Default Windows Size and Position" forgets the rectangle and places the
    // window at its default one.
    Command(IDM_DEFAULT_WINDOWS);
    const RECT placed = WindowRect(window);
    EXPECT_EQ(SizeOf(placed), std::make_tuple(kDefaultMainWidth, kDefaultMainHeight));
    EXPECT_EQ(Corners(entry),
              std::make_tuple(placed.left - cascadeOffset, placed.top - cascadeOffset,
                              placed.right - cascadeOffset, placed.bottom - cascadeOffset));
    SetWindowPos(window, nullptr, before.left, before.top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
}

TEST_F(MainWindowTest, MaximizedWindowStaysMaximizedWhenRepainted) {
    const RECT normal = WindowRect(window);
    ShowWindow(window, SW_MAXIMIZE);
    InvalidateRect(window, nullptr, TRUE);
    Settle();
    const RECT shown = WindowRect(window);
    EXPECT_TRUE(IsZoomed(window));
    EXPECT_GE(shown.right - shown.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_GT(shown.bottom - shown.top, normal.bottom - normal.top);
    ShowWindow(window, SW_RESTORE);
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
    // Other data is other text: it is shown.
    Command(IDM_DATA_VELOCITY);
    EXPECT_EQ(TableText(), ExpectedText());
}

class MainWindowPlotTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Command(IDM_DISPLAY_PLOT);
    }
    // The shown range as the window keeps it, checked against the series.
    static ShownRange Shown() {
        const ShownRange shown{DayOfYear(rangeStart), DayOfYear(rangeEnd), YearLast()};
        EXPECT_EQ(sunTimesSeries.startDay, shown.first);
        EXPECT_EQ(sunTimesSeries.endDay, shown.last);
        EXPECT_EQ(sunTimesSeries.dayCount, shown.last - shown.first + 1);
        return shown;
    }
    static void ExpectShown(int first, int last) {
        const ShownRange shown = Shown();
        EXPECT_EQ(std::make_tuple(shown.first, shown.last), std::make_tuple(first, last));
    }
    static POINT At(double fx) {
        return POINT{plotRect.left + static_cast<LONG>(fx * (plotRect.right - plotRect.left)),
                     (plotRect.top + plotRect.bottom) / 2};
    }
    static double FractionOf(POINT p) {
        return static_cast<double>(p.x - plotRect.left) / (plotRect.right - plotRect.left);
    }
    static void Mouse(UINT message, WPARAM keys, POINT p) {
        EXPECT_EQ(SendMessageW(window, message, keys, MAKELPARAM(p.x, p.y)), 0);
    }
    static void Click(POINT p, bool right = false) {
        Mouse(right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, p);
        Mouse(right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, p);
        Settle();
    }
    static void Wheel(POINT p, short delta) {
        ClientToScreen(window, &p);
        SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(p.x, p.y));
        Settle();
    }
};

TEST_F(MainWindowPlotTest, ClicksZoomAroundThePointerAndTheWheelDoesTheSame) {
    ASSERT_LT(plotRect.top, plotRect.bottom);
    ExpectShown(0, YearLast());
    const POINT centre = At(0.5), right = At(0.9);
    RangeChange in = ZoomIn(Shown(), FractionOf(centre));
    Click(centre);
    ExpectShown(in.start, in.end);
    EXPECT_NEAR(sunTimesSeries.dayCount, (YearLast() + 1) / 2.0, 1.0);
    // The selection dialog's date pickers follow.
    ASSERT_NE(SelectionDialogWindow(), nullptr);
    for (int id : {IDC_SEL_START_DATE, IDC_SEL_END_DATE}) {
        SYSTEMTIME date{};
        SendDlgItemMessageW(SelectionDialogWindow(), id, DTM_GETSYSTEMTIME, 0,
                            reinterpret_cast<LPARAM>(&date));
        EXPECT_EQ(DayOfYear(date), id == IDC_SEL_START_DATE ? in.start : in.end);
    }

    RangeChange out = ZoomOut(Shown(), FractionOf(right));
    Click(right, true);
    ExpectShown(out.start, out.end);
    EXPECT_EQ(out.end, YearLast()); // pushed against 31 December

    in = ZoomIn(Shown(), FractionOf(centre));
    Wheel(centre, WHEEL_DELTA);
    ExpectShown(in.start, in.end);
    out = ZoomOut(Shown(), FractionOf(centre));
    Wheel(centre, -WHEEL_DELTA);
    ExpectShown(out.start, out.end);
}

TEST_F(MainWindowPlotTest, WithoutAZoneTheRangeStaysAndTheZoneIsReportedMissing) {
    const int zone = timeZoneIndex;
    timeZoneIndex = -1;
    Click(At(0.5));
    timeZoneIndex = zone;
    ExpectShown(0, YearLast());
    EXPECT_STREQ(PendingError().message, L"Timezone Not Found");
}

TEST_F(MainWindowPlotTest, DragsPanByAtLeastADayWithinTheYear) {
    Click(At(0.5));
    const ShownRange zoomed = Shown();
    const POINT p = At(0.5);
    // One pixel to the left shows one day later; the release does not zoom.
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, p);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, POINT{p.x - 1, p.y});
    Mouse(WM_LBUTTONUP, 0, POINT{p.x - 1, p.y});
    Settle();
    ExpectShown(zoomed.first + 1, zoomed.last + 1);
    // A move without the button does nothing.
    Mouse(WM_MOUSEMOVE, 0, POINT{p.x + 50, p.y});
    ExpectShown(zoomed.first + 1, zoomed.last + 1);

    // At the year's edges a drag outward changes nothing, not even the picture.
    for (int first : {0, YearLast() - 99}) {
        ASSERT_TRUE(ApplyRange(first, first + 99));
        Settle();
        const POINT to{first == 0 ? p.x + 40 : p.x - 40, p.y};
        Mouse(WM_LBUTTONDOWN, MK_LBUTTON, p);
        Mouse(WM_MOUSEMOVE, MK_LBUTTON, to);
        EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
        ExpectShown(first, first + 99);
        Mouse(WM_LBUTTONUP, 0, to);
    }
}

TEST_F(MainWindowPlotTest, MouseOutsideThePlotOrOverTheTableDoesNothing) {
    auto expectNothing = [](POINT p) {
        Click(p);
        Mouse(WM_RBUTTONUP, 0, p);
        Wheel(p, WHEEL_DELTA);
        ExpectShown(0, YearLast());
    };
    const POINT centre = At(0.5);
    for (POINT outside : {POINT{centre.x, plotRect.top - 1}, POINT{centre.x, plotRect.bottom + 1},
                          POINT{plotRect.right + 1, centre.y}})
        expectNothing(outside);
    Command(IDM_DISPLAY_TABLE);
    expectNothing(centre);
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
    const int o = cascadeOffset;
    EXPECT_EQ(Corners(windowPositions[kPositionMainWindow]),
              std::make_tuple(last.left - o, last.top - o, last.right - o, last.bottom - o));
    DrainMessages();
}

} // namespace
