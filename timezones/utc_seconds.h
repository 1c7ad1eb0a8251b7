// Calendar arithmetic on UTC seconds since 1970-01-01, proleptic Gregorian.
#pragma once

#include <cstdint>

#include "support/gregorian.h"
#include "support/platform_types.h"

// The largest time the clock functions accept: 3000-12-31 23:59:59 UTC.
constexpr int64_t kLastClockSecond = 32535215999LL;

// Like _mkgmtime64: normalises out-of-range fields (writing them back, with
// weekday, day of year and tm_isdst 0), returns -1 (fields untouched) when
// tm_year is not within 69..1101 before or after the months are folded into
// it, or the time lies outside 1970-01-01 00:00:00 .. kLastClockSecond.
int64_t CivilToUtcSeconds(BrokenDownTime* time);
// Like _gmtime64_s: false (time left untouched) outside 0 .. kLastClockSecond.
bool UtcSecondsToCivil(int64_t seconds, BrokenDownTime* time);

// SYSTEMTIME <-> seconds since 1970 (milliseconds dropped; weekday filled).
int64_t SystemTimeToSeconds(const SYSTEMTIME* time);
void SecondsToSystemTime(int64_t seconds, SYSTEMTIME* time);
