#include <cstring>
#include <string>

#include "timezones/zoneinfo_zone.h"
#include "tools/zelmora_year/year_table.h"

// --tz names a zone of the system's zoneinfo database ("America/New_York").
bool ResolveZone(const YearRequest& request, YearZones* zones, std::wstring* error) {
    if (request.haveBias) return FixedBiasZone(request.bias, zones);
    std::string name;
    for (wchar_t c : request.zoneName) {
        if (c < 0x20 || c > 0x7e) {
            *error = L"zone names are plain ASCII";
            return false;
        }
        name += static_cast<char>(c);
    }
    static ZoneYear year;
    wchar_t message[300] = L"";
    if (!LoadZoneYear(name.c_str(), request.year, &year, message, 300)) {
        *error = message;
        return false;
    }
    static_assert(sizeof year.records == sizeof zones->records, "same record capacity");
    zones->recordCount = year.recordCount;
    std::memcpy(zones->records, year.records, sizeof zones->records);
    std::memcpy(zones->recordOfDay, year.recordOfDay, sizeof zones->recordOfDay);
    return true;
}
