// Zone records made from the system's zoneinfo database (TZif files), for
// builds without the Windows registry: the command-line tool takes IANA zone
// names, and the native build's "computer's zone" is the one TZ names.
#pragma once

#include "support/platform_types.h"

// Up to this many records may be needed to express one year of a zone.
enum { kZoneYearMaxRecords = 8 };

// One year of a zone as zone records that the Windows rules apply.
// Usually one record covers the whole year: its changes are the transitions
// the zoneinfo file lists for that year (absolute dates), or the POSIX rule
// at the file's end for years past its table. When a year has more changes
// than one record can express, several fixed-offset or single-change records
// are given and `recordOfDay` says which one yields the zoneinfo's local time
// at 12:00 UTC of each day (index = 0-based day of year).
struct ZoneYear {
    int recordCount;
    TIME_ZONE_INFORMATION records[kZoneYearMaxRecords];
    unsigned char recordOfDay[366];
};

// Loads `zoneName` ("America/New_York") for `year`. False with a message in
// `error` when the zone is unknown or its file unreadable.
bool LoadZoneYear(const char* zoneName, int year, ZoneYear* out, wchar_t* error, int errorCapacity);

// The computer's zone for the current year: TZ when set, else /etc/localtime,
// else UTC.
void ReadZoneinfoComputerZone(TIME_ZONE_INFORMATION* zone);
