#include "timezones/zoneinfo_zone.h"

#include <cstring>

#include "support/bounded_format.h"

// Placeholder until the TZif reader lands: UTC only.
bool LoadZoneYear(const char*, int, ZoneYear* out, wchar_t* error, int errorCapacity) {
    std::memset(out, 0, sizeof *out);
    FormatText(error, errorCapacity, L"zoneinfo zones are not read yet");
    return false;
}

void ReadZoneinfoComputerZone(TIME_ZONE_INFORMATION* zone) { std::memset(zone, 0, sizeof *zone); }
