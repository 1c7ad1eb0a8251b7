// Zone records for the engine's tests.
#pragma once

#include <cstring>

#include "support/platform_types.h"

inline TIME_ZONE_INFORMATION FixedZone(int bias) {
    TIME_ZONE_INFORMATION zone;
    std::memset(&zone, 0, sizeof zone);
    zone.Bias = bias;
    return zone;
}

// US Eastern rules: daylight time from the 2nd Sunday of March 2:00 to the
// 1st Sunday of November 2:00.
inline TIME_ZONE_INFORMATION EasternZone() {
    TIME_ZONE_INFORMATION zone = FixedZone(300);
    zone.DaylightBias = -60;
    zone.DaylightDate.wMonth = 3;
    zone.DaylightDate.wDay = 2;
    zone.DaylightDate.wHour = 2;
    zone.StandardDate.wMonth = 11;
    zone.StandardDate.wDay = 1;
    zone.StandardDate.wHour = 2;
    return zone;
}
