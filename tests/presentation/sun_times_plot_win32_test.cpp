#include "presentation/sun_times_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "presentation/plot_scale.h"
#include "presentation/presentation_state.h"
#include "presentation/sun_times_plot_content.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "suntimes/calendar.h"
#include "suntimes/sun_times_series.h"
#include "suntimes/test_zones.h"
#include "ui/win32_support.h"

namespace {

const int kWidth = 800;
const int kHeight = 600;
const COLORREF kUntouched = RGB(10, 90, 30);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kGray = RGB(175, 175, 175);
const COLORREF kSlotColors[kSunEventCount] = {RGB(255, 0, 0), RGB(255, 160, 0), RGB(0, 240, 255),
                                              RGB(0, 0, 255)};
const int kModes[][2] = {{kDataTime, 0},
                         {kDataVelocity, 0},
                         {kDataAcceleration, 0},
                         {kDataTime, kShowLengths},
                         {kDataVelocity, kShowLengths},
                         {kDataAcceleration, kShowLengths}};

// A memory device context on a top-down 32-bit DIB section, so that the
// drawing's pixels can be read back directly.
class PlotCanvas {
  public:
    PlotCanvas() {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<uint32_t*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
        Fill(kUntouched);
    }
    ~PlotCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    bool Ready() const { return dc_ != nullptr && bits_ != nullptr; }
    HDC dc() const { return dc_; }

    void Fill(COLORREF color) {
        GdiFlush();
        std::fill(bits_, bits_ + kWidth * kHeight, ToPixel(color));
    }
    COLORREF At(int x, int y) const {
        if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return kUntouched;
        GdiFlush();
        const uint32_t p = bits_[y * kWidth + x];
        return RGB((p >> 16) & 0xff, (p >> 8) & 0xff, p & 0xff);
    }
    // The colour at (x, y) or at one of its eight neighbours: a wide pen's
    // end may fall a pixel either side of the mathematical point.
    bool Near(int x, int y, COLORREF color) const {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (At(x + dx, y + dy) == color) return true;
        return false;
    }
    template <class Match> int Count(const RECT& area, Match match) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (match(At(x, y))) ++count;
        return count;
    }
    // A 24-bit bottom-up BMP of the canvas.
    bool Save(const std::wstring& path) const {
        FILE* file = _wfopen(path.c_str(), L"wb");
        if (file == nullptr) return false;
        const int row = kWidth * 3;
        BITMAPFILEHEADER head{};
        BITMAPINFOHEADER info{};
        head.bfType = 0x4d42;
        head.bfOffBits = sizeof head + sizeof info;
        head.bfSize = head.bfOffBits + row * kHeight;
        info.biSize = sizeof info;
        info.biWidth = kWidth;
        info.biHeight = kHeight;
        info.biPlanes = 1;
        info.biBitCount = 24;
        info.biCompression = BI_RGB;
        fwrite(&head, sizeof head, 1, file);
        fwrite(&info, sizeof info, 1, file);
        GdiFlush();
        std::vector<unsigned char> line(row);
        for (int y = kHeight - 1; y >= 0; --y) {
            for (int x = 0; x < kWidth; ++x) {
                const uint32_t p = bits_[y * kWidth + x];
                line[3 * x] = p & 0xff;
                line[3 * x + 1] = (p >> 8) & 0xff;
                line[3 * x + 2] = (p >> 16) & 0xff;
            }
            fwrite(line.data(), 1, row, file);
        }
        return fclose(file) == 0;
    }

  private:
    static uint32_t ToPixel(COLORREF c) {
        return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
};

bool IsDark(COLORREF c) {
    return GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128;
}
bool IsBlack(COLORREF c) {
    return c == RGB(0, 0, 0);
}

// The GDI objects this process holds. Wine answers GetGuiResources with 0,
// but its handle table takes a slot number without its generation, so there
// the occupied slots are counted.
DWORD LiveGdiObjects() {
    DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (count != 0) return count;
    for (UINT_PTR slot = 1; slot < 0x10000; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) ++count;
    return count;
}

class SunTimesPlotTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(CreateFonts(), 1);
        ResetSunTimesSeries();
        plotView = 1;
        DataKind = kDataTime;
        ASSERT_TRUE(canvas_.Ready());
    }
    void TearDown() override {
        DataKind = kDataTime;
        siteLatitude = 40.6883;
        ResetSunTimesSeries();
        TakePendingError();
    }

    // Computes the year (2016 unless told) at the place in a zone 5 hours
    // west of UTC and shows month1/day1 to month2/day2.
    static void Compute(double latitude, int month1, int day1, int month2, int day2,
                        int year = 2016) {
        SYSTEMTIME start{}, end{};
        start.wYear = end.wYear = static_cast<WORD>(year);
        start.wMonth = static_cast<WORD>(month1);
        start.wDay = static_cast<WORD>(day1);
        end.wMonth = static_cast<WORD>(month2);
        end.wDay = static_cast<WORD>(day2);
        ASSERT_GT(SetSunTimesDateRange(start, end), 0);
        siteLatitude = latitude;
        zone_ = FixedZone(300);
        const wchar_t name[] = L"Eastern Standard Time";
        std::copy(name, name + sizeof name / sizeof name[0], zone_.StandardName);
        ASSERT_EQ(CalcSunTimesSeries(year, &zone_, latitude, siteLongitude),
                  IsLeapYear(year) ? 365 : 364);
    }
    static void ShowOnly(int slot) {
        for (int k = 0; k < kSunEventCount; ++k)
            sunTimesSeries.showEvent[k] = k == slot;
    }
    // The series' extremes follow the lengths flag: recompute as the main window does.
    static void SetMode(const int mode[2]) {
        DataKind = mode[0];
        sunTimesSeries.showLengths = mode[1];
        ASSERT_GT(
            CalcSunTimesSeries(sunTimesSeries.cacheKey.year, &zone_, siteLatitude, siteLongitude),
            0);
    }
    void Draw(bool labelEveryGridLine = true) {
        const RECT rect = {0, 0, kWidth, kHeight};
        DrawSunTimesPlot(canvas_.dc(), rect, labelEveryGridLine);
    }
    // Where the drawing put day offset i of a slot's curve.
    static POINT PointOf(int i, int slot) {
        const SunEvent& event = sunTimesSeries.records[PlotDayOfYear(i)].events[slot];
        double value = 0.0;
        EXPECT_TRUE(PlotPointValue(event, PresentationMode(), &value));
        return {PlotX(0, i, sunTimesSeries.dayCount), PlotY(0, value)};
    }
    // A day offset whose day and both neighbours have the slot in this polar state.
    static int DayInState(int slot, int32_t polarState) {
        for (int i = 1; i + 1 < sunTimesSeries.dayCount; ++i) {
            bool all = true;
            for (int j = i - 1; j <= i + 1; ++j)
                all = all && sunTimesSeries.records[PlotDayOfYear(j)].events[slot].polarState ==
                                 polarState;
            if (all) return i;
        }
        ADD_FAILURE() << "no day in state " << polarState;
        return 0;
    }
    static std::wstring Describe(POINT p, COLORREF c) {
        wchar_t text[64];
        FormatText(text, 64, L"(%ld, %ld) holds %06lx", p.x, p.y, static_cast<unsigned long>(c));
        return text;
    }

    static TIME_ZONE_INFORMATION zone_;
    PlotCanvas canvas_;
};

TIME_ZONE_INFORMATION SunTimesPlotTest::zone_;

TEST_F(SunTimesPlotTest, EachCurveInItsColourOnWhite) {
    Compute(40.6883, 1, 1, 12, 30);
    for (int m : {0, 3}) {
        SetMode(kModes[m]);
        canvas_.Fill(kUntouched);
        Draw();
        for (int slot = 0; slot < kSunEventCount; ++slot) {
            for (int i : {30, 100, 200, 300}) {
                const POINT p = PointOf(i, slot);
                EXPECT_TRUE(canvas_.Near(p.x, p.y, kSlotColors[slot]))
                    << "mode " << PresentationMode() << " slot " << slot << " day " << i;
            }
        }
        // The margin right of the grid and the foot of the page are background.
        EXPECT_EQ(canvas_.At(kWidth - 5, kHeight / 2), kWhite);
        EXPECT_EQ(canvas_.At(kWidth - 1, kHeight - 1), kWhite);
        EXPECT_EQ(canvas_.At(0, kHeight - 1), kWhite);
        // Three title lines of text, and the dotted upper grid line.
        EXPECT_GT(canvas_.Count({0, 1, 600, 13}, IsDark), 150);
        EXPECT_GT(canvas_.Count({0, 13, 600, 25}, IsDark), 150);
        EXPECT_GT(canvas_.Count({0, 25, 600, 37}, IsDark), 150);
        const int top = PlotY(0, plotScale.top);
        const int span = 600 - (kPlotLeftMargin + 10);
        const int dots = canvas_.Count({kPlotLeftMargin + 10, top, 600, top + 1}, IsBlack);
        EXPECT_GT(dots, span / 4);
        EXPECT_LT(dots, span * 3 / 4); // dotted, not solid
    }
}

TEST_F(SunTimesPlotTest, PolarNightIsBlackAndMidnightSunGray) {
    ShowOnly(Sunrise);
    Compute(80.0, 1, 1, 12, 30);
    Draw();
    const struct {
        int32_t state;
        COLORREF color;
    } cases[] = {{kPolarNeverRises, kBlack}, {kPolarNeverSets, kGray}, {kPolarNormal, 0}};
    for (const auto& c : cases) {
        const int i = DayInState(Sunrise, c.state);
        const POINT p = PointOf(i, Sunrise);
        const COLORREF want = c.state == kPolarNormal ? kSlotColors[Sunrise] : c.color;
        EXPECT_TRUE(canvas_.Near(p.x, p.y, want)) << Describe(p, canvas_.At(p.x, p.y));
    }
}

TEST_F(SunTimesPlotTest, EqualValuesDrawALevelCurve) {
    // Only the daylight at 80 N in June: 24 hours every day, gray (never sets).
    sunTimesSeries.showLengths = kShowLengths;
    ShowOnly(Sunrise);
    Compute(80.0, 6, 1, 6, 30);
    Draw();
    ASSERT_TRUE(std::isfinite(plotScale.range) && plotScale.range > 0.0);
    const int level = PlotY(0, 24.0);
    EXPECT_EQ(level, kPlotTopMargin);
    for (int i = 0; i < sunTimesSeries.dayCount; ++i)
        EXPECT_TRUE(canvas_.Near(PlotX(0, i, sunTimesSeries.dayCount), level, kGray)) << i;
}

TEST_F(SunTimesPlotTest, OneDaySpansTheWidthAndNoDayDrawsNothing) {
    Compute(40.6883, 1, 14, 1, 14);
    Draw();
    const int right = kPlotLeftMargin + static_cast<int>(plotScale.width);
    EXPECT_EQ(right, kWidth - kPlotRightMargin);
    for (int slot = 0; slot < kSunEventCount; ++slot) {
        const int y = PointOf(0, slot).y;
        for (int x : {kPlotLeftMargin + 1, 300, 600, right - 2})
            EXPECT_TRUE(canvas_.Near(x, y, kSlotColors[slot])) << slot << " at " << x;
    }
    // Two vertical grid lines, at either end, each with its date underneath.
    const int foot = PlotGridFoot(0);
    for (int x : {static_cast<int>(kPlotLeftMargin), right}) {
        const int dots = canvas_.Count({x, kPlotTopMargin, x + 1, foot}, IsBlack);
        EXPECT_GT(dots, (foot - kPlotTopMargin) / 4) << x;
        EXPECT_GT(canvas_.Count({x - 4, foot + 6, x + 4, foot + 6 + 40}, IsDark), 20) << x;
    }

    canvas_.Fill(kUntouched);
    sunTimesSeries.dayCount = 0;
    Draw();
    EXPECT_EQ(
        canvas_.Count({0, 0, kWidth, kHeight}, [](COLORREF c) { return c != RGB(10, 90, 30); }), 0);
    sunTimesSeries.dayCount = 1;
    const RECT rect = {0, 0, kWidth, kHeight};
    DrawSunTimesPlot(nullptr, rect, true);
}

TEST_F(SunTimesPlotTest, EveryModeDrawsInsideTheRectangle) {
    Compute(40.6883, 1, 1, 12, 30);
    for (const auto& mode : kModes) {
        SetMode(mode);
        canvas_.Fill(kUntouched);
        const RECT rect = {50, 40, 780, 590};
        DrawSunTimesPlot(canvas_.dc(), rect, false);
        auto drawn = [](COLORREF c) { return c != RGB(10, 90, 30); };
        // A glyph at the left edge may reach a pixel or two to the left.
        const RECT withOverhang = {rect.left - 2, rect.top, rect.right, rect.bottom};
        EXPECT_EQ(canvas_.Count({0, 0, kWidth, kHeight}, drawn), canvas_.Count(withOverhang, drawn))
            << PresentationMode();
    }
}

TEST_F(SunTimesPlotTest, RepaintsLeaveTheDeviceContextAndHandlesAsFound) {
    Compute(40.6883, 1, 1, 12, 30);
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(1, 2, 3));
    HGDIOBJ stockPen = SelectObject(canvas_.dc(), pen);
    const HGDIOBJ font = GetCurrentObject(canvas_.dc(), OBJ_FONT);
    const HGDIOBJ brush = GetCurrentObject(canvas_.dc(), OBJ_BRUSH);
    SetBkColor(canvas_.dc(), RGB(4, 5, 6));
    Draw(); // the first drawing may make the program's fonts
    const DWORD before = LiveGdiObjects();
    HBRUSH probe = CreateSolidBrush(RGB(7, 8, 9));
    ASSERT_EQ(LiveGdiObjects(), before + 1) << "the count does not see a new object";
    DeleteObject(probe);
    for (int n = 0; n < 20; ++n)
        Draw();
    EXPECT_EQ(LiveGdiObjects(), before);
    EXPECT_EQ(GetCurrentObject(canvas_.dc(), OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(canvas_.dc(), OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(canvas_.dc(), OBJ_BRUSH), brush);
    EXPECT_EQ(GetGraphicsMode(canvas_.dc()), GM_COMPATIBLE);
    EXPECT_EQ(GetBkColor(canvas_.dc()), RGB(4, 5, 6));
    SelectObject(canvas_.dc(), stockPen);
    EXPECT_TRUE(DeleteObject(pen));
}

// What a metafile says about the drawing's pens: each one made is deleted,
// and none while it is still selected.
struct ObjectLedger {
    std::map<DWORD, DWORD> typeOfIndex; // index in the handle table -> OBJ_PEN, ...
    std::map<DWORD, DWORD> selected;    // object type -> index selected now
    int created = 0;
    int deleted = 0;
    int deletedWhileSelected = 0;
};

int CALLBACK ReadRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    ObjectLedger& ledger = *reinterpret_cast<ObjectLedger*>(data);
    const DWORD index = record->dParm[0];
    switch (record->iType) {
    case EMR_CREATEPEN:
    case EMR_EXTCREATEPEN:
        ledger.typeOfIndex[index] = OBJ_PEN;
        ++ledger.created;
        break;
    case EMR_CREATEBRUSHINDIRECT:
        ledger.typeOfIndex[index] = OBJ_BRUSH;
        break;
    case EMR_EXTCREATEFONTINDIRECTW: // the program's font, which outlives the drawing
        ledger.typeOfIndex[index] = OBJ_FONT;
        break;
    case EMR_SELECTOBJECT: {
        DWORD type = 0;
        if (index & 0x80000000u)
            type = GetObjectType(GetStockObject(static_cast<int>(index & 0x7fffffffu)));
        else if (ledger.typeOfIndex.count(index))
            type = ledger.typeOfIndex[index];
        if (type != 0) ledger.selected[type] = index;
        break;
    }
    case EMR_DELETEOBJECT:
        if (ledger.typeOfIndex.count(index)) {
            const DWORD type = ledger.typeOfIndex[index];
            if (type == OBJ_PEN) ++ledger.deleted;
            if (ledger.selected.count(type) && ledger.selected[type] == index)
                ++ledger.deletedWhileSelected;
            ledger.typeOfIndex.erase(index);
        }
        break;
    default:
        break;
    }
    return 1;
}

TEST_F(SunTimesPlotTest, PrinterPathRecordsAMetafileThatPlaysBack) {
    Compute(40.6883, 1, 1, 12, 30);
    HDC recorder = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(recorder, nullptr);
    const RECT page = {0, 0, 700, 550};
    DrawSunTimesPlot(recorder, page, false);
    HENHMETAFILE metafile = CloseEnhMetaFile(recorder);
    ASSERT_NE(metafile, nullptr);

    ObjectLedger ledger;
    EnumEnhMetaFile(nullptr, metafile, ReadRecord, &ledger, nullptr);
    EXPECT_EQ(ledger.created, 1 + 4 * 365); // the grid's pen and one per point
    EXPECT_EQ(ledger.deleted, ledger.created);
    EXPECT_EQ(ledger.deletedWhileSelected, 0);

    canvas_.Fill(kUntouched);
    EXPECT_TRUE(PlayEnhMetaFile(canvas_.dc(), metafile, &page));
    DeleteEnhMetaFile(metafile);
    for (COLORREF color : kSlotColors)
        EXPECT_GT(canvas_.Count(page, [color](COLORREF c) { return c == color; }), 300);
    EXPECT_EQ(canvas_.At(695, 300), kWhite);
    EXPECT_GT(canvas_.Count({0, 1, 500, 37}, IsDark), 300);
}

TEST_F(SunTimesPlotTest, TimeOfAWholeYearOfFourCurves) {
    Compute(40.6883, 1, 1, 12, 30);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> ms;
    for (int n = 0; n < 20; ++n) {
        QueryPerformanceCounter(&start);
        Draw();
        GdiFlush();
        QueryPerformanceCounter(&end);
        ms.push_back(1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart);
    }
    std::sort(ms.begin(), ms.end());
    std::printf(
        "[ timing ] one plot of 365 days and four curves: median %.2f ms, fastest %.2f ms\n",
        ms[ms.size() / 2], ms.front());
}

// ZELMORA_PLOT_SHOTS=<folder>: saves the plot of each mode for this year as
// mode_<n>.bmp.
TEST_F(SunTimesPlotTest, PicturesOfEveryMode) {
    const wchar_t* folder = _wgetenv(L"ZELMORA_PLOT_SHOTS");
    if (folder == nullptr || folder[0] == L'\0') GTEST_SKIP() << "ZELMORA_PLOT_SHOTS not set";
    Compute(40.6883, 1, 1, 12, 31, CurrentUtcYear());
    for (const auto& mode : kModes) {
        SetMode(mode);
        canvas_.Fill(kUntouched);
        Draw();
        wchar_t path[260];
        FormatText(path, 260, L"%ls/mode_%d.bmp", folder, PresentationMode());
        EXPECT_TRUE(canvas_.Save(path));
    }
}

} // namespace
