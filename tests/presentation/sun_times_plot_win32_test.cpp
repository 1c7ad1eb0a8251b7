// The plot drawn into memory and read back by its pixels, and recorded into
// a metafile whose records tell how its pens were handled.
#include "presentation/sun_times_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "presentation/plot_scale.h"
#include "suntimes/shown_days.h"
#include "ui/ui_test_window.h"
#include "ui/win32_support.h"

namespace {

const int kWidth = 800, kHeight = 600;
const RECT kPage = {0, 0, kWidth, kHeight};
const COLORREF kUntouched = RGB(10, 90, 30), kWhite = RGB(255, 255, 255),
               kGray = RGB(175, 175, 175);
const COLORREF kSlotColors[kSunEventCount] = {RGB(255, 0, 0), RGB(255, 160, 0), RGB(0, 240, 255),
                                              RGB(0, 0, 255)};

// The GDI objects this process holds. Wine answers GetGuiResources with 0,
// but its handle table takes a slot number without its generation, so there
// the occupied slots are counted.
DWORD LiveGdiObjects() {
    DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (count != 0) return count;
    for (UINT_PTR slot = 1; slot < 0x10000; ++slot)
        count += GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0;
    return count;
}

class SunTimesPlotTest : public ShownDaysTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(CreateFonts(), 1);
        Reset();
        Fill();
    }
    void Fill() {
        HBRUSH brush = CreateSolidBrush(kUntouched);
        FillRect(canvas_.dc(), &kPage, brush);
        DeleteObject(brush);
    }
    int DrawnIn(const RECT& area) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += canvas_.At(x, y) != kUntouched;
        return count;
    }
    // The rows (top, bottom) and columns (left, right) that hold the colour.
    RECT Extent(COLORREF color) const {
        RECT extent = {kWidth, kHeight, -1, -1};
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (canvas_.At(x, y) == color) {
                    extent = {std::min<LONG>(extent.left, x), std::min<LONG>(extent.top, y),
                              std::max<LONG>(extent.right, x), std::max<LONG>(extent.bottom, y)};
                }
        return extent;
    }
    void Draw(const RECT& rect = kPage, bool labelEveryGridLine = true) {
        DrawSunTimesPlot(canvas_.dc(), rect, labelEveryGridLine);
    }

    uitest::PixelCanvas canvas_{kWidth, kHeight};
};

// On the printer's page the plot must stay within its rectangle.
TEST_F(SunTimesPlotTest, EveryModeDrawsOnlyInsideTheRectangle) {
    ComputeShownDays(40.6883, 1, 1, 12, 30);
    const RECT rect = {50, 40, 780, 590};
    // A glyph at the left edge may reach a pixel or two to the left.
    const RECT withOverhang = {rect.left - 2, rect.top, rect.right, rect.bottom};
    for (int mode : kModes) {
        ShowMode(mode); // the series' extremes follow the lengths flag
        ASSERT_GT(CalcSunTimesSeries(sunTimesSeries.cacheKey.year, &shownDaysZone, siteLatitude,
                                     siteLongitude),
                  0);
        Fill();
        Draw(rect, false);
        EXPECT_EQ(DrawnIn(kPage), DrawnIn(withOverhang)) << mode;
        EXPECT_EQ(canvas_.At(rect.right - 1, rect.bottom - 1), kWhite) << mode;
    }
}

// Equal values, or a single day, leave no range to divide by: each curve is
// still a level line across the plot. No day draws nothing.
TEST_F(SunTimesPlotTest, AZeroRangeDrawsLevelCurvesAndNoDayNothing) {
    auto expectLevel = [&](COLORREF color) {
        const RECT curve = Extent(color);
        EXPECT_LT(curve.bottom - curve.top, 5) << color;
        EXPECT_GT(curve.right - curve.left, kWidth * 3 / 4) << color;
        return curve;
    };
    // Only the daylight at 80 N in June: 24 hours every day, gray (never sets).
    sunTimesSeries.showLengths = kShowLengths;
    for (int k = 0; k < kSunEventCount; ++k)
        sunTimesSeries.showEvent[k] = k == Sunrise;
    ComputeShownDays(80.0, 6, 1, 6, 30);
    Draw();
    ASSERT_TRUE(std::isfinite(plotScale.range) && plotScale.range > 0.0);
    EXPECT_LT(expectLevel(kGray).bottom, kHeight / 2);

    Reset();
    Fill();
    ComputeShownDays(40.6883, 1, 14, 1, 14);
    Draw();
    for (COLORREF color : kSlotColors)
        expectLevel(color);
    Fill();
    sunTimesSeries.dayCount = 0;
    Draw();
    EXPECT_EQ(DrawnIn(kPage), 0);
    sunTimesSeries.dayCount = 1;
    DrawSunTimesPlot(nullptr, kPage, true);
}

TEST_F(SunTimesPlotTest, RepaintsLeaveTheDeviceContextAndHandlesAsFound) {
    ComputeShownDays(40.6883, 1, 1, 12, 30);
    HDC dc = canvas_.dc();
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(1, 2, 3));
    HGDIOBJ stockPen = SelectObject(dc, pen);
    const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT), brush = GetCurrentObject(dc, OBJ_BRUSH);
    SetBkColor(dc, RGB(4, 5, 6));
    Draw(); // the first drawing may make the program's fonts
    const DWORD before = LiveGdiObjects();
    HBRUSH probe = CreateSolidBrush(RGB(7, 8, 9));
    ASSERT_EQ(LiveGdiObjects(), before + 1) << "the count does not see a new object";
    DeleteObject(probe);
    for (int n = 0; n < 20; ++n)
        Draw();
    EXPECT_EQ(LiveGdiObjects(), before);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetGraphicsMode(dc), GM_COMPATIBLE);
    EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
    SelectObject(dc, stockPen);
    EXPECT_TRUE(DeleteObject(pen));
}

// What a metafile says about the drawing's pens: each one made is deleted,
// and none while it is still selected.
struct PenLedger {
    std::set<DWORD> pens; // their indexes in the handle table
    DWORD selected = 0;
    int created = 0, deleted = 0, deletedWhileSelected = 0;
};

int CALLBACK ReadRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    PenLedger& ledger = *reinterpret_cast<PenLedger*>(data);
    const DWORD index = record->dParm[0], type = record->iType;
    if (type == EMR_CREATEPEN || type == EMR_EXTCREATEPEN) {
        ledger.pens.insert(index);
        ++ledger.created;
    } else if (type == EMR_SELECTOBJECT) {
        const bool stock = (index & 0x80000000u) != 0;
        if (stock ? GetObjectType(GetStockObject(index & 0x7fffffff)) == OBJ_PEN
                  : ledger.pens.count(index) != 0)
            ledger.selected = index;
    } else if (type == EMR_DELETEOBJECT && ledger.pens.erase(index) != 0) {
        ++ledger.deleted;
        ledger.deletedWhileSelected += ledger.selected == index;
    }
    return 1;
}

TEST_F(SunTimesPlotTest, PrinterPathRecordsAMetafileThatPlaysBack) {
    ComputeShownDays(40.6883, 1, 1, 12, 30);
    HDC recorder = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(recorder, nullptr);
    const RECT page = {0, 0, 700, 550};
    DrawSunTimesPlot(recorder, page, false);
    HENHMETAFILE metafile = CloseEnhMetaFile(recorder);
    ASSERT_NE(metafile, nullptr);

    PenLedger ledger;
    EnumEnhMetaFile(nullptr, metafile, ReadRecord, &ledger, nullptr);
    EXPECT_EQ(ledger.created, 1 + 4 * 365); // the grid's pen and one per point
    EXPECT_EQ(ledger.deleted, ledger.created);
    EXPECT_EQ(ledger.deletedWhileSelected, 0);

    EXPECT_TRUE(PlayEnhMetaFile(canvas_.dc(), metafile, &page));
    DeleteEnhMetaFile(metafile);
    for (COLORREF color : kSlotColors)
        EXPECT_GT(canvas_.Count(color, 0, 0, page.right, page.bottom), 300);
}

} // namespace
