// The Windows rules for applying a TIME_ZONE_INFORMATION record, in portable
// form: recurring "n-th weekday of a month at a local time" changes (n = 5
// is the last such weekday), absolute dates when wYear is set, southern
// hemisphere order (daylight time across the new year), and zones without
// daylight time (DaylightDate.wMonth == 0).
#pragma once

#include <cstdint>

#include "support/platform_types.h"

enum ZoneRulePhase {
    kZonePhaseInvalid = -1,
    kZonePhaseUnknown = 0,
    kZonePhaseStandard = 1,
    kZonePhaseDaylight = 2
};

// Which phase of the zone is in force at the UTC instant, as Windows (and
// Wine) decide it:
// - DaylightDate.wMonth == 0: no daylight time, kZonePhaseUnknown.
// - The year is that of local standard time (UTC - Bias) at the instant.
// - The StandardDate is compared with the local daylight time, the
//   DaylightDate with the local standard time (each the wall-clock time
//   before its change); the change takes effect at that exact minute.
// - A recurring date (wYear 0) is the wDay-th (1-4; 5 = last) wDayOfWeek of
//   wMonth at wHour:wMinute; an absolute date (wYear set) is day wDay of
//   wMonth, whatever wYear says (Windows and Wine compare month, day and time
//   only).
// - DaylightDate.wMonth < StandardDate.wMonth: daylight time from the
//   DaylightDate to the StandardDate; otherwise (southern hemisphere order)
//   daylight time before the StandardDate and from the DaylightDate on.
// kZonePhaseInvalid for a null pointer, a UTC time that is not a valid date
// and time of the years 1601-30827, a Bias beyond +-2880 minutes, or, with
// daylight time, a StandardBias or DaylightBias beyond +-1440 or a change
// date that is not one (month 1-12, hour 0-23, minute 0-59; recurring: wDay
// 1-5, wDayOfWeek 0-6; absolute: wDay 1-31). Without daylight time the other
// fields are not looked at. Seconds and milliseconds of the change dates are
// ignored.
ZoneRulePhase ZonePhaseAtUtc(const TIME_ZONE_INFORMATION* zone, const SYSTEMTIME* utc);

// Converts a UTC time to the zone's local wall time as the Windows rules do:
// UTC - (Bias + DaylightBias) in daylight time, UTC - (Bias + StandardBias)
// in standard time, UTC - Bias without daylight time (StandardBias is then
// ignored, as Windows and Wine do). wDayOfWeek of `utc` is ignored; that of
// `local` is set; milliseconds are kept. False for an invalid record or date
// or a local time outside the years 1601-30827 (nothing is written then).
bool ApplyZoneRules(const TIME_ZONE_INFORMATION* zone, const SYSTEMTIME* utc, SYSTEMTIME* local);
