// The zone the sun times are computed in, found by its position in the time
// zone catalogue. The catalogue is rebuilt whenever the selection dialog
// opens, which frees every entry, so a zone is always looked up afresh by
// position before a computation and never kept from an earlier build.
#pragma once

#include "support/platform_types.h"
#include "timezones/time_zone_catalogue.h"

// The catalogue entry at the 0-based position, or null when there is none.
TimeZoneEntry* ZoneEntryAtIndex(int index);

// The rules of the zone at the 0-based position (timeZoneIndex), or null when
// there is none. The entry also becomes the catalogue's selectedZone, so that
// the headers that name the zone agree with the computation.
const TIME_ZONE_INFORMATION* ZoneAtIndex(int index);
