#include "timezones/zone_conversion.h"

#include "timezones/utc_seconds.h"
#include "timezones/zone_rules.h"
#include "timezones/zoneinfo_zone.h"

void ReadComputerZone(TIME_ZONE_INFORMATION* zone) {
    ReadZoneinfoComputerZone(zone);
}

bool UtcToZoneLocal(const TIME_ZONE_INFORMATION* zone, const SYSTEMTIME* utc, SYSTEMTIME* local) {
    return ApplyZoneRules(zone, utc, local);
}

int64_t MakeUtcSeconds(BrokenDownTime* time) {
    return CivilToUtcSeconds(time);
}

bool BreakDownUtcSeconds(int64_t seconds, BrokenDownTime* time) {
    return UtcSecondsToCivil(seconds, time);
}
