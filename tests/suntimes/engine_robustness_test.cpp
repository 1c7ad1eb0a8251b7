// Wild input must be rejected with a message, never crash or leave the
// engine with values outside their ranges.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "support/error_report.h"
#include "suntimes/solar_events.h"
#include "suntimes/sun_times_series.h"

namespace {

// A small deterministic generator, so a failure repeats.
struct Random {
    uint64_t state = 0x9E3779B97F4A7C15ULL;
    uint32_t Next() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<uint32_t>(state >> 16);
    }
};

TEST(EngineRobustness, MalformedZoneRecordsAreRejectedOrApplied) {
    Random random;
    int accepted = 0;
    for (int i = 0; i < 3000; ++i) {
        TIME_ZONE_INFORMATION zone;
        unsigned char* bytes = reinterpret_cast<unsigned char*>(&zone);
        for (size_t b = 0; b < sizeof zone; ++b)
            bytes[b] = static_cast<unsigned char>(random.Next());
        if (i % 3 == 0) {
            // Plausible-looking records with one field off.
            zone.Bias = static_cast<int32_t>(random.Next() % 3000) - 1500;
            zone.DaylightDate.wMonth = static_cast<WORD>(random.Next() % 14);
            zone.StandardDate.wMonth = static_cast<WORD>(random.Next() % 14);
            zone.DaylightDate.wDay = static_cast<WORD>(random.Next() % 8);
            zone.StandardDate.wDay = static_cast<WORD>(random.Next() % 8);
        }
        TakePendingError();
        int result = CalcSunTimesForDate(2026, 1 + i % 12, 1 + i % 28, &zone, 40.0, -75.0);
        ErrorState error = TakePendingError();
        if (result == 1) {
            ++accepted;
            EXPECT_STREQ(error.message, L"");
            for (const SunEvent& e : workRecord.events) {
                ASSERT_GE(e.hours, 0.0);
                ASSERT_LT(e.hours, 24.0);
            }
        } else {
            ASSERT_EQ(result, 0);
            EXPECT_STREQ(error.message, L"Invalid Timezone");
        }
    }
    EXPECT_GT(accepted, 0);
}

TEST(EngineRobustness, OutOfRangeDatesAndPlacesAreRejected) {
    TIME_ZONE_INFORMATION zone;
    std::memset(&zone, 0, sizeof zone);
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Dates and months out of range are the solar events' own tests; here the
    // extremes of the types.
    for (int year : {INT32_MIN, INT32_MAX})
        EXPECT_EQ(CalcSunTimesForDate(year, 1, 1, &zone, 0, 0), 0);
    for (int monthOrDay : {INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(CalcSunTimesForDate(2026, monthOrDay, 1, &zone, 0, 0), 0);
        EXPECT_EQ(CalcSunTimesForDate(2026, 1, monthOrDay, &zone, 0, 0), 0);
    }
    const double places[] = {inf, -inf, nan, 1e308, -1e308};
    for (double value : places) {
        EXPECT_EQ(CalcSunTimesForDate(2026, 1, 1, &zone, value, 0), 0);
        EXPECT_EQ(CalcSunTimesForDate(2026, 1, 1, &zone, 0, value), 0);
    }
    TakePendingError();

    // The series refuses such places as a whole and caches nothing.
    EXPECT_EQ(CalcSunTimesSeries(2026, &zone, nan, 0), 0);
    EXPECT_EQ(CalcSunTimesSeries(INT32_MAX, &zone, 0, 0), 0);
    TakePendingError();
}

TEST(EngineRobustness, ExtremeMessagesStayWithinTheirBuffer) {
    TakePendingError();
    EXPECT_EQ(CalcSunTimesForDate(2026, 1, 1, nullptr, -1e308, 0), 0);
    ErrorState error = TakePendingError();
    EXPECT_LT(std::wcslen(error.message), static_cast<size_t>(kErrorMessageLength));
    EXPECT_EQ(std::wstring(error.message).rfind(L"Invalid Latitude: ", 0), 0u);
}

} // namespace
