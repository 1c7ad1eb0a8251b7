#include <cstring>

#include "support/bounded_format.h"
#include "timezones/time_zone_registry.h"
#include "tools/zelmora_year/year_table.h"

// --tz names a key of the registry's zone database ("Eastern Standard Time").
bool ResolveZone(const YearRequest& request, YearZones* zones, std::wstring* error) {
    if (request.haveBias) return FixedBiasZone(request.bias, zones);
    TIME_ZONE_INFORMATION zone;
    std::memset(&zone, 0, sizeof zone);
    if (!ReadTimeZoneInfo(request.zoneName.c_str(), &zone)) {
        wchar_t text[300];
        FormatText(text, 300, L"no time zone \"%ls\" in the registry", request.zoneName.c_str());
        *error = text;
        return false;
    }
    zones->records[0] = zone;
    zones->recordCount = 1;
    std::memset(zones->recordOfDay, 0, sizeof zones->recordOfDay);
    return true;
}
