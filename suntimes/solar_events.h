// Dawn, sunrise, sunset and dusk of one date at one place, by the NOAA solar
// calculator formulas (after Meeus): mean solar elements in Julian centuries
// from J2000.0, the equation of time, the declination, and the hour angle
// for the event's zenith, refined by a second pass at the event's own time.
#pragma once

#include <cstdint>

#include "suntimes/sun_times_types.h"

// The engine's work record: the last computed date.
extern SunTimesRecord workRecord;
// The zone record used for the last computed date.
extern TIME_ZONE_INFORMATION currentZone;

// Computes the four events of the date into workRecord. zone null: the
// computer's own zone. Returns 1, or 0 after reporting an error.
int CalcSunTimesForDate(int32_t year, int32_t month, int32_t day, const TIME_ZONE_INFORMATION* zone,
                        double latitude, double longitude);

// The event in minutes after 00:00 UTC of workRecord's date (may be negative
// or beyond 1440); sets the slot's polar state.
double CalcSunEventUtc(SunEventKind kind);

// The equation of time in minutes, t in Julian centuries since J2000.0.
double CalcEquationOfTime(double t);
