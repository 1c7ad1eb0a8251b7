// The real main window, created in this process as the program creates it and
// driven through its messages: what it shows after start-up, its views, data
// kinds and modes, zoom and pan on the plot, the status line, a pending error,
// the remembered rectangles and the shut-down.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/program_state.h"
#include "app/selection_dialog.h"
#include "app/zoom_pan.h"
#include "datetime/date_time_format.h"
#include "presentation/presentation_state.h"
#include "resources/resource_ids.h"
#include "settings/window_positions.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "suntimes/calendar.h"
#include "suntimes/sun_times_series.h"
#include "timezones/time_zone_catalogue.h"
#include "timezones/time_zone_registry.h"
#include "ui/win32_support.h"
#include "ui/win32_toolbars.h"
#include "ui/ui_test_window.h"

namespace {

// Dispatches everything pending; a WM_QUIT is dropped.
void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Creates the main window the way the entry point does, with nothing remembered
// unless the caller put it in entry 0 first.
HWND StartMainWindow() {
    programInstance = GetModuleHandleW(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_COOL_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    if (!RegisterMainWindowClass(programInstance)) return nullptr;
    HWND window = CreateMainWindow(programInstance);
    if (window == nullptr) return nullptr;
    mainAccelerators = LoadAcceleratorsW(programInstance, MAKEINTRESOURCEW(IDA_ZELMORA));
    return window;
}

void ShowAndSettle(HWND window) {
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    Pump();
}

// Shows the plot, so that the text view goes the program's own way (the
// control table would otherwise keep its handle for a later main window),
// then destroys the window and takes the WM_QUIT it leaves behind.
void EndMainWindow(HWND window) {
    if (window == nullptr || !IsWindow(window)) return;
    SendMessageW(window, WM_COMMAND, IDM_DISPLAY_PLOT, 0);
    UpdateWindow(window);
    DestroyWindow(window);
    Pump();
}

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// A window's rectangle in its parent's client coordinates (its own client
// area for a top-level window).
RECT ClientRectOf(HWND window) {
    RECT rect{};
    if (GetParent(window) == nullptr) {
        GetClientRect(window, &rect);
        return rect;
    }
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t begin = 0;
    for (size_t end; (end = text.find(L"\r\n", begin)) != std::wstring::npos; begin = end + 2)
        lines.push_back(text.substr(begin, end - begin));
    lines.push_back(text.substr(begin));
    return lines;
}

bool StartsWith(const std::wstring& text, const std::wstring& head) {
    return text.compare(0, head.size(), head) == 0;
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
        ShowAndSettle(window);
        startView = plotView;
        startDialog = SelectionDialogWindow();
        startZoneIndex = timeZoneIndex;
        // The table of the series that start-up computed.
        Command(IDM_DISPLAY_TABLE);
        startText = TableText();
    }
    static void TearDownTestSuite() {
        EndMainWindow(window);
        window = nullptr;
    }

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
        Pump();
        UpdateWindow(window);
        Pump();
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
    // The shown row of a day of the year ("m/dd/yyyy" then the cells).
    static std::wstring RowOf(int yearDay) {
        const SunTimesRecord& r = sunTimesSeries.records[yearDay];
        wchar_t date[32];
        FormatText(date, 32, L"%2d/%02d/%02d", r.month, r.day, r.year);
        for (const std::wstring& line : Lines(TableText()))
            if (StartsWith(line, date)) return line;
        return L"";
    }
    // The engine's cells of that day in the current data kind and mode.
    static std::vector<std::wstring> EngineCells(int yearDay) {
        std::vector<std::wstring> cells;
        for (const SunEvent& e : sunTimesSeries.records[yearDay].events) {
            const bool lengths = sunTimesSeries.showLengths != 0;
            if (DataKind == kDataTime && !lengths) {
                FormatEventTimeOfDay(e.localTm);
                cells.push_back(DateTimeText());
            } else if (DataKind == kDataVelocity) {
                cells.push_back(std::to_wstring(lengths ? e.lengthVelocity : e.velocity));
            } else if (DataKind == kDataAcceleration) {
                cells.push_back(std::to_wstring(lengths ? e.lengthAcceleration : e.acceleration));
            }
        }
        return cells;
    }
    // The row holds the engine's cells, in order, each standing alone.
    static void ExpectRowShowsEngine(int yearDay) {
        const std::wstring row = RowOf(yearDay);
        ASSERT_FALSE(row.empty()) << "no row for day " << yearDay;
        size_t at = 10;
        for (const std::wstring& cell : EngineCells(yearDay)) {
            const size_t found = row.find(L" " + cell, at);
            ASSERT_NE(found, std::wstring::npos) << "cell '" << cell << "' in '" << row << "'";
            at = found + 1 + cell.size();
            EXPECT_TRUE(at == row.size() || row[at] == L' ') << row;
        }
    }
    static std::wstring HeadingLine() {
        for (const std::wstring& line : Lines(TableText()))
            if (StartsWith(line, L"   Date ")) return line;
        return L"";
    }
    static bool Checked(ToolbarRow toolbar, int command) {
        return SendMessageW(bandTable[toolbar].toolbar, TB_ISBUTTONCHECKED, command, 0) != 0;
    }

    static HWND window;
    static RECT createdRect;
    static int startView;
    static HWND startDialog;
    static int startZoneIndex;
    static std::wstring startText;
};
HWND MainWindowTest::window = nullptr;
RECT MainWindowTest::createdRect;
int MainWindowTest::startView = -1;
HWND MainWindowTest::startDialog = nullptr;
int MainWindowTest::startZoneIndex = -1;
std::wstring MainWindowTest::startText;

TEST_F(MainWindowTest, StartsWithTheYearInTheComputersZoneAtTheDefaultPlace) {
    EXPECT_EQ(createdRect.right - createdRect.left, kDefaultMainWidth);
    EXPECT_EQ(createdRect.bottom - createdRect.top, kDefaultMainHeight);
    MINMAXINFO limits{};
    EXPECT_EQ(SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits)), 0);
    EXPECT_EQ(limits.ptMinTrackSize.x, 526);
    EXPECT_EQ(limits.ptMinTrackSize.y, 452);
    // The plot first, with the selection dialog beside it.
    EXPECT_EQ(startView, 1);
    ASSERT_NE(startDialog, nullptr);
    EXPECT_EQ(GetWindow(startDialog, GW_OWNER), window);

    ASSERT_FALSE(startText.empty());
    EXPECT_TRUE(StartsWith(startText, std::wstring(programInfo) + L"\r\n\r\n"));
    EXPECT_NE(startText.find(L"*** Program Information ***"), std::wstring::npos);
    const std::vector<std::wstring> lines = Lines(startText);
    auto lineStarting = [&](const std::wstring& head) {
        for (const std::wstring& line : lines)
            if (StartsWith(line, head)) return line;
        return std::wstring();
    };
    EXPECT_EQ(lineStarting(L"Sun Times:"), L"Sun Times: Time of Day");

    // The zone is the computer's own, as the catalogue finds it.
    ASSERT_GE(startZoneIndex, 0);
    EXPECT_EQ(FindComputerZoneIndex(), startZoneIndex);
    ASSERT_NE(timeZoneCatalogue.selectedZone, nullptr);
    wchar_t zone[256];
    FormatZoneOffset(&timeZoneCatalogue.selectedZone->zone, zone, 256);
    EXPECT_EQ(lineStarting(L"Timezone = (UTC"), std::wstring(L"Timezone = ") + zone);

    // One row for every day of the current year, 1 January to 31 December.
    std::vector<std::wstring> rows;
    for (const std::wstring& line : lines) {
        int month = 0, day = 0, year = 0;
        if (swscanf(line.c_str(), L"%d/%d/%d", &month, &day, &year) == 3) rows.push_back(line);
    }
    ASSERT_EQ(static_cast<int>(rows.size()), YearLast() + 1);
    wchar_t first[16], last[16];
    FormatText(first, 16, L" 1/01/%d ", today.wYear);
    FormatText(last, 16, L"12/31/%d ", today.wYear);
    EXPECT_TRUE(StartsWith(rows.front(), first)) << rows.front();
    EXPECT_TRUE(StartsWith(rows.back(), last)) << rows.back();
    EXPECT_EQ(sunTimesSeries.dayCount, YearLast() + 1);
    ExpectRowShowsEngine(171);
    ExpectRowShowsEngine(YearLast());
}

TEST_F(MainWindowTest, ViewCommandsSwapTheTextViewForThePlotAndBack) {
    ASSERT_NE(GetDlgItem(window, IDC_TEXT_VIEW), nullptr);
    EXPECT_TRUE(Checked(kDisplayToolbar, IDM_DISPLAY_TABLE));

    Command(IDM_DISPLAY_PLOT);
    EXPECT_EQ(plotView, 1);
    EXPECT_EQ(GetDlgItem(window, IDC_TEXT_VIEW), nullptr);
    EXPECT_EQ(TextViewControl(), nullptr);
    EXPECT_TRUE(Checked(kDisplayToolbar, IDM_DISPLAY_PLOT));
    EXPECT_FALSE(Checked(kDisplayToolbar, IDM_DISPLAY_TABLE));

    Command(IDM_DISPLAY_TABLE);
    EXPECT_EQ(plotView, 0);
    HWND view = GetDlgItem(window, IDC_TEXT_VIEW);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view, TextViewControl());
    EXPECT_TRUE(IsWindowVisible(view));
    EXPECT_TRUE(Checked(kDisplayToolbar, IDM_DISPLAY_TABLE));
    EXPECT_FALSE(Checked(kDisplayToolbar, IDM_DISPLAY_PLOT));
    EXPECT_TRUE(TableText() == startText);

    // It fills the result area between the bars, also after a resize.
    auto expectFillsResultArea = [&] {
        RECT area = ClientRectOf(view);
        RECT client = ClientRectOf(window), bar = ClientRectOf(statusBarWindow);
        EXPECT_TRUE(EqualRect(&area, &plotRect));
        EXPECT_GT(plotRect.top, 20); // below the rebar
        EXPECT_EQ(plotRect.bottom, bar.top);
        EXPECT_EQ(bar.bottom, client.bottom);
    };
    expectFillsResultArea();
    const RECT before = WindowRect(window);
    SetWindowPos(window, nullptr, 0, 0, 820, 640, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    expectFillsResultArea();
    SetWindowPos(window, nullptr, 0, 0, before.right - before.left, before.bottom - before.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
}

TEST_F(MainWindowTest, DataKindCommandsCheckOneDisplayButtonAndChangeTheCells) {
    const struct {
        int command;
        int kind;
        const wchar_t* title;
    } kinds[] = {
        {IDM_DATA_VELOCITY, kDataVelocity, L"Sun Times: Velocity: Time Delta: Sec/Day"},
        {IDM_DATA_ACCELERATION, kDataAcceleration,
         L"Sun Times: Acceleration: Time Velocity Delta: Sec*Sec/Day"},
        {IDM_DATA_TIME, kDataTime, L"Sun Times: Time of Day"},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.command);
        Command(k.command);
        EXPECT_EQ(DataKind, k.kind);
        for (const auto& other : kinds)
            EXPECT_EQ(Checked(kDisplayToolbar, other.command), other.command == k.command);
        EXPECT_NE(TableText().find(std::wstring(L"\r\n") + k.title + L"\r\n"), std::wstring::npos);
        ExpectRowShowsEngine(40);
    }
}

TEST_F(MainWindowTest, ModeCommandsRecomputeTheSeriesAndRenameTheColumns) {
    EXPECT_NE(HeadingLine().find(L"Sunrise"), std::wstring::npos);

    Command(IDM_MODE_LENGTHS);
    EXPECT_EQ(sunTimesSeries.showLengths, kShowLengths);
    EXPECT_EQ(sunTimesSeries.cacheKey.showLengths, kShowLengths); // computed for lengths
    EXPECT_TRUE(Checked(kSunTimesToolbar, IDM_MODE_LENGTHS));
    EXPECT_FALSE(Checked(kSunTimesToolbar, IDM_MODE_TIMES));
    std::wstring text = TableText();
    EXPECT_NE(text.find(L"\r\nSun Times: Length in Hours\r\n"), std::wstring::npos);
    const std::wstring headings = HeadingLine();
    for (const wchar_t* period : {L"Dawn-Dusk", L"Daylight", L"Night", L"Dusk-Dawn"})
        EXPECT_NE(headings.find(period), std::wstring::npos) << period;
    EXPECT_EQ(headings.find(L"Sunrise"), std::wstring::npos);
    // The lengths of a day add up to 24 hours, and the velocities shown are the lengths'.
    const SunEvent* e = sunTimesSeries.records[100].events;
    EXPECT_NEAR(e[Sunrise].length + e[Sunset].length, 24.0, 1e-6);
    Command(IDM_DATA_VELOCITY);
    EXPECT_NE(TableText().find(L"\r\nSun Times: Velocity: Hours Delta: Sec/Day\r\n"),
              std::wstring::npos);
    ExpectRowShowsEngine(100);

    Command(IDM_MODE_TIMES);
    EXPECT_EQ(sunTimesSeries.cacheKey.showLengths, 0);
    EXPECT_TRUE(Checked(kSunTimesToolbar, IDM_MODE_TIMES));
    EXPECT_NE(HeadingLine().find(L"Sunrise"), std::wstring::npos);
    ExpectRowShowsEngine(100);
}

TEST_F(MainWindowTest, AmPmCommandSwitchesTheClockOfTheCells) {
    const std::wstring twelve = RowOf(200);
    EXPECT_TRUE(twelve.find(L" AM") != std::wstring::npos ||
                twelve.find(L" PM") != std::wstring::npos)
        << twelve;
    Command(IDM_AMPM);
    EXPECT_EQ(dateTimeFormat & kDateTimeTwelveHour, 0);
    const std::wstring twentyFour = RowOf(200);
    EXPECT_EQ(twentyFour.find(L"AM"), std::wstring::npos) << twentyFour;
    EXPECT_EQ(twentyFour.find(L"PM"), std::wstring::npos) << twentyFour;
    EXPECT_NE(twentyFour, twelve);
    ExpectRowShowsEngine(200);
    Command(IDM_AMPM);
    EXPECT_EQ(RowOf(200), twelve);
}

TEST_F(MainWindowTest, StatusBarOptionStartsAndStopsItsTimer) {
    // KillTimer tells whether the timer ran; the test starts it again as the
    // window would have kept it.
    ASSERT_EQ(statusBarOn, 1);
    EXPECT_TRUE(KillTimer(window, kTimerStatusBar));
    SetTimer(window, kTimerStatusBar, kTimerPeriod, nullptr);

    Command(IDM_STATUS_BAR);
    EXPECT_EQ(statusBarOn, 0);
    EXPECT_FALSE(KillTimer(window, kTimerStatusBar));

    Command(IDM_STATUS_BAR);
    EXPECT_EQ(statusBarOn, 1);
    EXPECT_TRUE(KillTimer(window, kTimerStatusBar));
    SetTimer(window, kTimerStatusBar, kTimerPeriod, nullptr);
}

TEST_F(MainWindowTest, TimerZeroCyclesTheStatusLinePoints) {
    auto points = [] {
        const std::wstring line = statusLine.line;
        const size_t text = std::wcslen(statusLine.text);
        EXPECT_EQ(line.compare(0, text, statusLine.text), 0);
        return static_cast<int>(line.size() - text);
    };
    // A forgotten stamp stands for a second gone by.
    statusLine.dots.stamp = -1;
    SendMessageW(window, WM_TIMER, kTimerStatusDots, 0);
    int previous = points();
    ASSERT_GE(previous, 1);
    ASSERT_LE(previous, 5);
    for (int tick = 0; tick < 6; ++tick) {
        statusLine.dots.stamp = -1;
        SendMessageW(window, WM_TIMER, kTimerStatusDots, 0);
        const int now = points();
        EXPECT_EQ(now, previous % 5 + 1);
        previous = now;
    }
    // Within the second nothing moves.
    SendMessageW(window, WM_TIMER, kTimerStatusDots, 0);
    EXPECT_EQ(points(), previous);
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
    HWND view = GetDlgItem(window, IDC_TEXT_VIEW);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_TEXT_VIEW, EN_SETFOCUS),
                 reinterpret_cast<LPARAM>(view));
    EXPECT_TRUE(HasPendingError());

    Command(IDM_DISPLAY_TABLE);
    EXPECT_FALSE(HasPendingError());
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(MainWindowTest, MovesAreRecordedWithEdgesOnTheScreenAndNormalRectangles) {
    const RECT before = WindowRect(window);
    const int width = before.right - before.left, height = before.bottom - before.top;

    SetWindowPos(window, nullptr, -40, -30, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    const PositionRect& entry = windowPositions[kPositionMainWindow];
    EXPECT_EQ(entry.left, 0);
    EXPECT_EQ(entry.top, 0);
    EXPECT_EQ(entry.right, width);
    EXPECT_EQ(entry.bottom, height);

    SetWindowPos(window, nullptr, 120 + cascadeOffset, 60 + cascadeOffset, 600, 480,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    const PositionRect normal{120, 60, 720, 540};
    auto expectNormal = [&](const char* what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(entry.left, normal.left);
        EXPECT_EQ(entry.top, normal.top);
        EXPECT_EQ(entry.right, normal.right);
        EXPECT_EQ(entry.bottom, normal.bottom);
    };
    expectNormal("moved");
    ShowWindow(window, SW_MINIMIZE);
    Settle();
    EXPECT_TRUE(IsIconic(window));
    expectNormal("minimized");
    ShowWindow(window, SW_RESTORE);
    Settle();
    ShowWindow(window, SW_MAXIMIZE);
    Settle();
    EXPECT_TRUE(IsZoomed(window));
    expectNormal("maximized");
    ShowWindow(window, SW_RESTORE);
    Settle();
    expectNormal("restored");

    // "Default Windows Size and Position" forgets the rectangle and places the
    // window at its default one.
    Command(IDM_DEFAULT_WINDOWS);
    const RECT placed = WindowRect(window);
    EXPECT_EQ(placed.right - placed.left, kDefaultMainWidth);
    EXPECT_EQ(placed.bottom - placed.top, kDefaultMainHeight);
    EXPECT_EQ(entry.right - entry.left, kDefaultMainWidth);
    EXPECT_EQ(entry.left, placed.left - cascadeOffset);
    EXPECT_EQ(entry.top, placed.top - cascadeOffset);

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
    Command(IDM_DISPLAY_TABLE);
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
    wchar_t line[200] = L"";
    *reinterpret_cast<WORD*>(line) = 199;
    SendMessageW(text, EM_GETLINE, 10, reinterpret_cast<LPARAM>(line));
    EXPECT_NE(std::wstring(line).find(L"Velocity"), std::wstring::npos) << line;
    Command(IDM_DATA_TIME);
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
        EXPECT_EQ(shown.first, first);
        EXPECT_EQ(shown.last, last);
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
    static void Click(POINT p) {
        Mouse(WM_LBUTTONDOWN, MK_LBUTTON, p);
        Mouse(WM_LBUTTONUP, 0, p);
        Settle();
    }
    static void Wheel(POINT p, short delta) {
        ClientToScreen(window, &p);
        SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(p.x, p.y));
        Settle();
    }
    // True when the message left nothing to repaint.
    static bool NothingInvalidated() { return !GetUpdateRect(window, nullptr, FALSE); }
};

TEST_F(MainWindowPlotTest, ClicksZoomAroundThePointerAndTheWheelDoesTheSame) {
    ASSERT_LT(plotRect.top, plotRect.bottom);
    ExpectShown(0, YearLast());

    const POINT centre = At(0.5);
    RangeChange in = ZoomIn(Shown(), FractionOf(centre));
    Click(centre);
    ExpectShown(in.start, in.end);
    EXPECT_NEAR(sunTimesSeries.dayCount, (YearLast() + 1) / 2.0, 1.0);
    // The selection dialog's date pickers follow.
    ASSERT_NE(SelectionDialogWindow(), nullptr);
    SYSTEMTIME start{}, end{};
    SendDlgItemMessageW(SelectionDialogWindow(), IDC_SEL_START_DATE, DTM_GETSYSTEMTIME, 0,
                        reinterpret_cast<LPARAM>(&start));
    SendDlgItemMessageW(SelectionDialogWindow(), IDC_SEL_END_DATE, DTM_GETSYSTEMTIME, 0,
                        reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(DayOfYear(start), in.start);
    EXPECT_EQ(DayOfYear(end), in.end);

    const POINT right = At(0.9);
    RangeChange out = ZoomOut(Shown(), FractionOf(right));
    Mouse(WM_RBUTTONDOWN, MK_RBUTTON, right);
    Mouse(WM_RBUTTONUP, 0, right);
    Settle();
    ExpectShown(out.start, out.end);
    EXPECT_EQ(out.end, YearLast()); // pushed against 31 December

    in = ZoomIn(Shown(), FractionOf(centre));
    Wheel(centre, WHEEL_DELTA);
    ExpectShown(in.start, in.end);
    out = ZoomOut(Shown(), FractionOf(centre));
    Wheel(centre, -WHEEL_DELTA);
    ExpectShown(out.start, out.end);
}

TEST_F(MainWindowPlotTest, ZoomsKeepWithinTheYearAndOneDayWidensToThree) {
    // A click at the right edge shows the year's last half, ending on 31 December.
    Click(At(1.0));
    EXPECT_EQ(Shown().last, YearLast());
    EXPECT_NEAR(sunTimesSeries.dayCount, (YearLast() + 1) / 2.0, 1.0);

    ASSERT_TRUE(ApplyRange(100, 100));
    Settle();
    Click(At(0.5));
    ExpectShown(100, 100);
    Mouse(WM_RBUTTONUP, 0, At(0.5));
    Settle();
    ExpectShown(99, 101);
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
    ASSERT_TRUE(ApplyRange(0, 99));
    Settle();
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, p);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, POINT{p.x + 40, p.y});
    EXPECT_TRUE(NothingInvalidated());
    ExpectShown(0, 99);
    Mouse(WM_LBUTTONUP, 0, POINT{p.x + 40, p.y});

    ASSERT_TRUE(ApplyRange(YearLast() - 99, YearLast()));
    Settle();
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, p);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, POINT{p.x - 40, p.y});
    EXPECT_TRUE(NothingInvalidated());
    ExpectShown(YearLast() - 99, YearLast());
    Mouse(WM_LBUTTONUP, 0, POINT{p.x - 40, p.y});
}

TEST_F(MainWindowPlotTest, MouseOutsideThePlotOrOverTheTableDoesNothing) {
    const POINT centre = At(0.5);
    for (POINT outside : {POINT{centre.x, plotRect.top - 1}, POINT{centre.x, plotRect.bottom + 1},
                          POINT{plotRect.right + 1, centre.y}}) {
        Click(outside);
        Mouse(WM_RBUTTONUP, 0, outside);
        Wheel(outside, WHEEL_DELTA);
        ExpectShown(0, YearLast());
    }
    Command(IDM_DISPLAY_TABLE);
    Click(centre);
    Mouse(WM_RBUTTONUP, 0, centre);
    Wheel(centre, WHEEL_DELTA);
    ExpectShown(0, YearLast());
}

// Creation with a remembered rectangle, and the shut-down, each with a window of its own.
TEST(MainWindowLifecycle, RemembersWhereItWasAndShutsDownInOrder) {
    TakePendingError();
    ResetPositions();
    // A remembered top edge of 0 counts as nothing remembered.
    windowPositions[kPositionMainWindow] = PositionRect{130, 0, 830, 400};
    HWND window = StartMainWindow();
    ASSERT_NE(window, nullptr);
    RECT created = WindowRect(window);
    EXPECT_EQ(created.right - created.left, kDefaultMainWidth);
    EXPECT_EQ(created.bottom - created.top, kDefaultMainHeight);
    EndMainWindow(window);

    windowPositions[kPositionMainWindow] = PositionRect{110, 70, 710, 570};
    window = StartMainWindow();
    ASSERT_NE(window, nullptr);
    created = WindowRect(window);
    EXPECT_EQ(created.left, 110);
    EXPECT_EQ(created.top, 70);
    EXPECT_EQ(created.right - created.left, 600);
    EXPECT_EQ(created.bottom - created.top, 500);
    ShowAndSettle(window);
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
    const PositionRect& entry = windowPositions[kPositionMainWindow];
    EXPECT_EQ(entry.left, last.left - cascadeOffset);
    EXPECT_EQ(entry.top, last.top - cascadeOffset);
    EXPECT_EQ(entry.right, last.right - cascadeOffset);
    EXPECT_EQ(entry.bottom, last.bottom - cascadeOffset);
    Pump();
}

} // namespace
