#include "presentation/plot_scale.h"

#include <gtest/gtest.h>

#include <string>

#include "suntimes/shown_days.h"

namespace {

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
