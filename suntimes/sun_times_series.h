// The whole current year of sun times: one record per day with the period
// lengths, the day-to-day changes (velocity) and their changes
// (acceleration), and the extremes over the shown range for plot scaling.
#pragma once

#include <cstdint>

#include "suntimes/sun_times_types.h"

// The one series of the program, in static storage.
extern SunTimesSeries sunTimesSeries;

// Fills the series for `year` (below 0: the current UTC year) in `zone` (null:
// the computer's own zone) at the place given, unless the cache says nothing
// changed. Returns the last day index (364 or 365), or 0 when a day could not
// be computed (its error is reported; the cache is then left empty).
int CalcSunTimesSeries(int32_t year, const TIME_ZONE_INFORMATION* zone, double latitude,
                       double longitude);

// Forgets the cached request so that the next call recomputes.
void InvalidateSunTimesCache();

// Puts the series in its start state: nothing cached, all events shown, times
// mode, the range empty.
void ResetSunTimesSeries();
