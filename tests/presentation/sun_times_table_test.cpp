// The table of the shown days and the scale of their plot.
#include "presentation/sun_times_table.h"
#include "presentation/plot_scale.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "suntimes/shown_days.h"
#include "suntimes/solar_events.h"

namespace {

class SunTimesTableTest : public ShownDaysTest {
  protected:
    void SetUp() override {
        Reset();
        plotView = kViewTable;
    }
    // The table in a buffer sized from its own length: it must fill it exactly.
    static std::wstring Table(const wchar_t* lineEnd = L"\r\n") {
        std::vector<wchar_t> buffer(SunTimesTableLength(lineEnd) + 1, L'#');
        int written = FormatSunTimesTable(buffer.data(), static_cast<int>(buffer.size()), lineEnd);
        EXPECT_EQ(written + 1u, buffer.size());
        EXPECT_EQ(buffer.back(), L'\0');
        return buffer.data();
    }
    static std::vector<std::wstring> Lines(const std::wstring& text) {
        std::vector<std::wstring> lines;
        for (size_t at = 0, end; (end = text.find(L"\r\n", at)) != std::wstring::npos; at = end + 2)
            lines.push_back(text.substr(at, end - at));
        return lines;
    }
    // A cell of the last row: 13 characters each behind the 10 of the date.
    static std::wstring Cell(int column) {
        return Lines(Table()).back().substr(10 + 13 * column, 13);
    }
};

TEST_F(SunTimesTableTest, NoRangeWritesNothingAndNoColumnsLeavesTheDates) {
    wchar_t keep[8] = L"keep";
    EXPECT_EQ(FormatSunTimesTable(keep, 8, L"\r\n"), 0);
    EXPECT_STREQ(keep, L"keep");
    EXPECT_EQ(SunTimesTableLength(L"\r\n"), 0);

    ComputeShownDays(40.6883, 1, 14, 1, 14);
    for (int32_t& shown : sunTimesSeries.showEvent)
        shown = 0;
    std::vector<std::wstring> lines = Lines(Table());
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[4], L"   Date   ");
    EXPECT_EQ(lines[5], L" 1/14/2016");
}

TEST_F(SunTimesTableTest, PolarDaysFillTheColumnInEveryMode) {
    ComputeShownDays(80.0, 12, 21, 12, 21);
    for (int mode : kModes) {
        ShowMode(mode);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(Cell(k), L"  Never Rises") << mode;
    }
    ComputeShownDays(80.0, 6, 21, 6, 21);
    ShowMode(kModeVelocity);
    EXPECT_EQ(Cell(Sunrise), L"  Never Sets ");
}

// A full day reads 24:00:00, not 0:00:00.
TEST_F(SunTimesTableTest, LengthsReadAsClockTimes) {
    ComputeShownDays(40.6883, 1, 14, 1, 14);
    SunEvent& dawn = sunTimesSeries.records[13].events[Dawn];
    ShowMode(kModeHours);
    const struct {
        double length;
        const wchar_t* cell;
    } cases[] = {{24.0, L"     24:00:00"}, {0.25, L"      0:15:00"}};
    for (const auto& c : cases) {
        dawn.length = c.length;
        EXPECT_EQ(Cell(Dawn), c.cell);
    }
}

TEST_F(SunTimesTableTest, TwelveHourSettingChangesOnlyEventTimes) {
    ComputeShownDays(40.6883, 1, 14, 1, 14);
    for (int mode : kModes) {
        ShowMode(mode);
        std::wstring twelve = Table();
        dateTimeFormat = kDateTimeFormat24;
        std::wstring twentyFour = Table();
        dateTimeFormat = kDateTimeFormat12;
        if (mode == kModeTime) {
            EXPECT_EQ(Lines(twelve).back(),
                      L" 1/14/2016   6:53:05 AM   7:23:16 AM   4:56:37 PM   5:26:49 PM");
            EXPECT_EQ(Lines(twentyFour).back(),
                      L" 1/14/2016      6:53:05      7:23:16     16:56:37     17:26:49");
        } else {
            EXPECT_EQ(twelve, twentyFour) << mode;
        }
    }
}

TEST_F(SunTimesTableTest, SmallBuffersEndCleanlyAtTheCut) {
    ComputeShownDays(40.6883, 1, 14, 1, 14);
    const std::wstring full = Table();
    for (int capacity = 1; capacity <= static_cast<int>(full.size()) + 1; ++capacity) {
        std::vector<wchar_t> buffer(capacity + 8, L'#');
        int written = FormatSunTimesTable(buffer.data(), capacity, L"\r\n");
        std::wstring text = buffer.data();
        ASSERT_EQ(written, static_cast<int>(text.size())) << capacity;
        ASSERT_EQ(full.compare(0, text.size(), text), 0) << capacity;
        ASSERT_EQ(std::wstring(buffer.begin() + capacity, buffer.end()), L"########") << capacity;
    }
}

class PlotScaleTest : public ShownDaysTest {
  protected:
    void SetUp() override {
        Reset();
        saved_ = plotScale;
    }
    void TearDown() override {
        plotScale = saved_;
        Reset();
    }
    static std::wstring Label(double value, int mode) {
        wchar_t text[32];
        FormatPlotValueLabel(value, mode, text, 32);
        return text;
    }

    PlotScale saved_{};
};

TEST_F(PlotScaleTest, EqualValuesOpenTheAxisOneStepDown) {
    // Only the daylight at 80 N in June: 24 hours every day.
    sunTimesSeries.showLengths = kShowLengths;
    for (int k = 0; k < kSunEventCount; ++k)
        sunTimesSeries.showEvent[k] = k == Sunrise;
    ComputeShownDays(80.0, 6, 1, 6, 30);
    ASSERT_EQ(sunTimesSeries.minValue, 24.0);
    ASSERT_EQ(sunTimesSeries.maxValue, 24.0);
    UpdatePlotScale(800, 600);
    EXPECT_DOUBLE_EQ(plotScale.top, 24.0);
    EXPECT_DOUBLE_EQ(plotScale.bottom, plotScale.top - plotScale.step);
    EXPECT_EQ(PlotY(0, 24.0), 45);
    EXPECT_EQ(PlotY(0, plotScale.bottom), 545);
    EXPECT_EQ(PlotGridLineCount(), 2);

    // Equal times past the day's end: the axis stops at 24 hours, one step deep.
    ScalePlot(800, 600, kModeTime, true, 25.0, 25.0);
    EXPECT_DOUBLE_EQ(plotScale.top, 24.0);
    EXPECT_DOUBLE_EQ(plotScale.range, plotScale.step);

    // Equal velocities, and a scale whose step was never set.
    ScalePlot(800, 600, kModeHourVelocity, true, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(plotScale.top, 0.001);
    EXPECT_DOUBLE_EQ(plotScale.bottom, -0.001);
    plotScale = PlotScale{};
    ScalePlot(800, 600, kModeTime, false, 0.0, 0.0);
    EXPECT_GT(plotScale.range, 0.0);
    EXPECT_EQ(PlotY(0, 0.0), 45);
}

// Half a second rounds up; grid values near whole seconds are not cut short
// by their binary form.
TEST_F(PlotScaleTest, ValueLabelsRoundToTheNearestSecond) {
    EXPECT_EQ(Label(6.0 - 0.002, kModeTime), L" 5:59:53 AM");
    EXPECT_EQ(Label(24.0, kModeTime), L" 12:00:00 AM");
    dateTimeFormat = kDateTimeFormat24;
    EXPECT_EQ(Label(24.0, kModeTime), L"  0:00:00");
    for (int n = 0; n <= 240; ++n) {
        const int seconds = (2400 - 10 * n) * 36;
        wchar_t want[16];
        swprintf(want, 16, L"%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
        EXPECT_EQ(Label(24.0 - n * 0.1, kModeHours), want) << n;
    }
}

} // namespace
