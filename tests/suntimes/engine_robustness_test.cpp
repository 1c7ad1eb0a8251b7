// Wild zone records must be rejected with a message, never crash or leave
// the engine with values outside their ranges. (Wild dates and places: the
// solar events' own tests.)
#include <gtest/gtest.h>

#include <cstdint>

#include "support/error_report.h"
#include "suntimes/solar_events.h"

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

} // namespace
