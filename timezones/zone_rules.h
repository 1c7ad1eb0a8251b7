// The Windows rules for applying a TIME_ZONE_INFORMATION record, in portable
// form: recurring "n-th weekday of a month at a local time" changes (n = 5
// is the last such weekday), absolute dates when wYear is set, southern
// hemisphere order (daylight time across the new year), and zones without
// daylight time (DaylightDate.wMonth == 0).
#pragma once

#include <cstdint>

#include "support/platform_types.h"

enum ZoneRulePhase { kZonePhaseInvalid = -1, kZonePhaseUnknown = 0, kZonePhaseStandard = 1,
                     kZonePhaseDaylight = 2 };

// Which phase of the zone is in force at the UTC instant.
ZoneRulePhase ZonePhaseAtUtc(const TIME_ZONE_INFORMATION* zone, const SYSTEMTIME* utc);

// Converts a UTC time to the zone's local wall time as the Windows rules do.
// False for an invalid record or date (nothing is written then).
bool ApplyZoneRules(const TIME_ZONE_INFORMATION* zone, const SYSTEMTIME* utc, SYSTEMTIME* local);
