// The clock and zone services the sun times engine needs. The Windows build
// uses the system's own (SystemTimeToTzSpecificLocalTime, GetTimeZoneInformation,
// _mkgmtime64, _gmtime64_s); elsewhere the portable zone rules stand in.
#pragma once

#include <cstdint>

#include "support/platform_types.h"

// The computer's own zone, freshly read (the C runtime's zone data is
// refreshed first).
void ReadComputerZone(TIME_ZONE_INFORMATION* zone);

// The local wall time of `zone` at the UTC instant `utc`. False on failure.
bool UtcToZoneLocal(const TIME_ZONE_INFORMATION* zone, const SYSTEMTIME* utc, SYSTEMTIME* local);

// Broken-down time read as UTC to seconds since 1970; -1 outside the clock's
// range (1970-01-01 00:00:00 to 3000-12-31 23:59:59).
int64_t MakeUtcSeconds(BrokenDownTime* time);

// Seconds since 1970 to broken-down UTC time. False outside the clock's range.
bool BreakDownUtcSeconds(int64_t seconds, BrokenDownTime* time);
