#include "presentation/plot_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "datetime/date_time_format.h"
#include "presentation/presentation_state.h"
#include "presentation/sun_times_plot_content.h"
#include "support/error_report.h"
#include "suntimes/shown_days.h"
#include "suntimes/solar_events.h"

namespace {

class PlotScaleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSunTimesSeries();
        saved_ = plotScale;
    }
    void TearDown() override {
        plotScale = saved_;
        DataKind = kDataTime;
        dateTimeFormat = kDateTimeFormat12;
        siteLatitude = 40.6883;
        ResetSunTimesSeries();
        TakePendingError();
    }
    static std::wstring Label(double value, int mode) {
        wchar_t text[32];
        FormatPlotValueLabel(value, mode, text, 32);
        return text;
    }
    // The axis of a 800 x 600 drawing for the given extremes.
    static void Scale(int mode, double minimum, double maximum) {
        ScalePlot(800, 600, mode, true, minimum, maximum);
    }

    PlotScale saved_{};
};

TEST_F(PlotScaleTest, StepIsTheFirstThatDividesTheSpreadIntoTwentyParts) {
    const double cases[][3] = {{4.2, 20.9, 1.0},      {-150, 140, 20.0},    {5.0, 5.0, 0.001},
                               {0.0, 0.02, 0.001},    {0.0, 0.0201, 0.002}, {0.0, 10000.0, 500.0},
                               {0.0, 10001.0, 1000.0}};
    for (const auto& c : cases)
        EXPECT_EQ(PlotGridStep(c[0], c[1]), c[2]) << c[0] << " to " << c[1];
}

// Whole steps around the extremes, times and lengths within a day; a grid
// line on every step from the top down.
TEST_F(PlotScaleTest, AxisAndGridLinesByMode) {
    const struct {
        int mode;
        double minimum, maximum, top, bottom;
        int lines;
    } cases[] = {
        {1, 4.2, 20.9, 21.0, 4.0, 18},     {2, -150, 140, 160.0, -160.0, 17},
        {4, -150, 140, 160.0, -160.0, 17}, {9, 0.0, 23.5, 24.0, 0.0, 13},
        {1, -0.3, 12.0, 13.0, 0.0, 14},    {12, -0.3, 12.0, 13.0, -1.0, 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode * 1000 + c.minimum);
        Scale(c.mode, c.minimum, c.maximum);
        EXPECT_DOUBLE_EQ(plotScale.top, c.top);
        EXPECT_DOUBLE_EQ(plotScale.bottom, c.bottom);
        EXPECT_DOUBLE_EQ(plotScale.range, c.top - c.bottom);
        EXPECT_EQ(plotScale.width, 690.0);
        EXPECT_EQ(plotScale.height, 500.0);
        ASSERT_EQ(PlotGridLineCount(), c.lines);
        EXPECT_DOUBLE_EQ(PlotGridValue(0), c.top);
        EXPECT_DOUBLE_EQ(PlotGridValue(c.lines - 1), c.bottom);
    }
}

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

    // Equal velocities, and a scale whose step was never set.
    Scale(10, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(plotScale.top, 0.001);
    EXPECT_DOUBLE_EQ(plotScale.bottom, -0.001);
    plotScale = PlotScale{};
    ScalePlot(800, 600, 1, false, 0.0, 0.0);
    EXPECT_GT(plotScale.range, 0.0);
    EXPECT_EQ(PlotY(0, 0.0), 45);
}

TEST_F(PlotScaleTest, UnknownKindOrNothingShownKeepsTheLastAxis) {
    ComputeShownDays(40.6883, 1, 1, 12, 30);
    UpdatePlotScale(800, 600);
    const PlotScale times = plotScale;

    DataKind = 3;
    UpdatePlotScale(400, 300);
    EXPECT_EQ(plotScale.top, times.top);
    EXPECT_EQ(plotScale.bottom, times.bottom);
    EXPECT_EQ(plotScale.width, 290.0);
    EXPECT_EQ(plotScale.height, 200.0);

    DataKind = kDataVelocity;
    for (int32_t& shown : sunTimesSeries.showEvent)
        shown = 0;
    ComputeShownDays(40.6883, 1, 1, 12, 30);
    UpdatePlotScale(800, 600);
    EXPECT_EQ(plotScale.top, times.top);
    EXPECT_EQ(plotScale.range, times.range);

    // A rectangle smaller than the margins has no area rather than a negative one.
    UpdatePlotScale(50, 20);
    EXPECT_EQ(plotScale.width, 0.0);
    EXPECT_EQ(plotScale.height, 0.0);
    EXPECT_EQ(PlotY(10, times.bottom), 55);
}

TEST_F(PlotScaleTest, ValuesAndDaysMapIntoThePlotArea) {
    Scale(1, 4.2, 20.9); // 21 to 4 over H = 500
    const double ys[][3] = {{100, 21.0, 145}, {100, 4.0, 645}, {100, 12.5, 395}, {0, NAN, 45}};
    for (const auto& y : ys)
        EXPECT_EQ(PlotY(int(y[0]), y[1]), y[2]) << y[1];
    EXPECT_EQ(PlotGridFoot(100), 640);
    // One day (or none): day offsets 0 and 1 span the width.
    const int xs[][4] = {{10, 0, 365, 100}, {10, 364, 365, 790}, {10, 182, 365, 445},
                         {0, 0, 1, 90},     {0, 1, 1, 780},      {0, 1, 0, 780}};
    for (const auto& x : xs)
        EXPECT_EQ(PlotX(x[0], x[1], x[2]), x[3]) << x[1] << " of " << x[2];

    // A vertical grid line every so many days.
    const int days[][2] = {{365, 8}, {50, 2}, {49, 1}, {1, 1}, {0, 1}};
    for (const auto& d : days)
        EXPECT_EQ(PlotGridDays(d[0]), d[1]) << d[0];
}

TEST_F(PlotScaleTest, DaysOfTheRangeEndAtItsLastDay) {
    ComputeShownDays(40.6883, 3, 1, 3, 10);
    EXPECT_EQ(PlotDayOfYear(0), 60);
    EXPECT_EQ(PlotDayOfYear(9), 69);
    EXPECT_EQ(PlotDayOfYear(10), 69);
    wchar_t label[16];
    EXPECT_EQ(FormatPlotDateLabel(PlotDayOfYear(0), label, 16), 3);
    EXPECT_STREQ(label, L"3/1");
    FormatPlotDateLabel(PlotDayOfYear(9), label, 16);
    EXPECT_STREQ(label, L"3/10");

    ComputeShownDays(40.6883, 12, 31, 12, 31);
    EXPECT_EQ(PlotDayOfYear(0), 365);
    EXPECT_EQ(PlotDayOfYear(1), 365);
    FormatPlotDateLabel(365, label, 16);
    EXPECT_STREQ(label, L"12/31");
}

TEST_F(PlotScaleTest, ValueLabelsOfEachMode) {
    EXPECT_EQ(Label(24.0, 1), L" 12:00:00 AM");
    EXPECT_EQ(Label(13.5, 1), L" 1:30:00 PM");
    // Half a second rounds up: 7.2 s below six o'clock reads 5:59:53.
    EXPECT_EQ(Label(6.0 - 0.002, 1), L" 5:59:53 AM");
    wchar_t small[6];
    EXPECT_EQ(FormatPlotValueLabel(24.0, 1, small, 6), -1);
    EXPECT_STREQ(small, L" 12:0");
    dateTimeFormat = kDateTimeFormat24;
    EXPECT_EQ(Label(24.0, 1), L"  0:00:00");
    EXPECT_EQ(Label(13.5, 1), L" 13:30:00");
    EXPECT_EQ(Label(12.0 - 0.001, 1), L" 11:59:56");
    EXPECT_EQ(Label(-150.0, 2), L" -150.0");
    EXPECT_EQ(Label(0.3, 12), L"  0.3");
    EXPECT_EQ(Label(7.5, 10), L"  7.5");
    EXPECT_EQ(Label(7.75, 9), L"7:45:00");
    // Grid values near whole seconds are not cut short by their binary form.
    for (int n = 0; n <= 240; ++n) {
        const int seconds = (2400 - 10 * n) * 36;
        wchar_t want[16];
        swprintf(want, 16, L"%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
        EXPECT_EQ(Label(24.0 - n * 0.1, 9), want) << n;
    }
}

TEST_F(PlotScaleTest, PointValuesColoursAndTitleLines) {
    ComputeShownDays(40.6883, 1, 14, 1, 14);
    const SunEvent& sunrise = sunTimesSeries.records[13].events[Sunrise];
    double value = 0.0;
    ASSERT_TRUE(PlotPointValue(sunrise, 1, &value));
    EXPECT_NEAR(value, 7.0 + 23 / 60.0 + 16 / 3600.0, 1e-12); // 7:23:16
    ASSERT_TRUE(PlotPointValue(sunrise, 9, &value));
    EXPECT_DOUBLE_EQ(value, sunrise.length);
    ASSERT_TRUE(PlotPointValue(sunrise, 2, &value));
    EXPECT_EQ(value, sunrise.velocity);
    ASSERT_TRUE(PlotPointValue(sunrise, 12, &value));
    EXPECT_EQ(value, sunrise.lengthAcceleration);
    EXPECT_FALSE(PlotPointValue(sunrise, 3, &value));

    // Slot colours; the polar days override them.
    EXPECT_EQ(PlotPointColor(Sunrise, kPolarNormal).green, 160);
    EXPECT_EQ(PlotPointColor(Sunset, kPolarNormal).blue, 255);
    EXPECT_EQ(PlotPointColor(Dusk, kPolarNeverRises).blue, 0);
    EXPECT_EQ(PlotPointColor(Dawn, kPolarNeverSets).green, 175);

    wchar_t line[kPlotTitleLength];
    plotView = 1;
    FormatPlotLegendLine(line, kPlotTitleLength);
    EXPECT_EQ(std::wstring(line).substr(0, 20), L"Sun Times: Dawn(Red)");
    EXPECT_EQ(std::wstring(line).find(L'\r'), std::wstring::npos);
    FormatPlotPlaceLine(line, kPlotTitleLength);
    EXPECT_STREQ(line,
                 L"Latitude = 40.6883, Longitude = -75.2164  Black(Never Rises) Gray(Never Sets)");
    FormatPlotKindLine(line, kPlotTitleLength);
    EXPECT_EQ(std::wstring(line).substr(0, 36), L"Time of Day  Timezone = (UTC-05:00) ");
    sunTimesSeries.showLengths = kShowLengths;
    DataKind = kDataAcceleration;
    FormatPlotKindLine(line, kPlotTitleLength);
    EXPECT_EQ(std::wstring(line).substr(0, 48),
              L"Acceleration: Hour Velocity Delta: Sec*Sec/Day  ");
}

} // namespace
