// Zone records for builds without the Windows registry, made with the C
// library's own zoneinfo support (TZ, tzset, localtime_r and tm_gmtoff): the
// command-line tool takes IANA zone names, and the native build's "computer's
// zone" is the one TZ names.
//
// Zone records count in whole minutes. An offset that is not a whole number
// of minutes (the local mean time of a few zones before their first standard
// offset) is rounded to the nearest minute, halves away from zero.
#pragma once

#include "support/platform_types.h"

// Up to this many distinct offsets may occur at the noons of one year.
enum { kZoneYearMaxRecords = 8 };

// The years LoadZoneYear accepts.
enum { kZoneYearFirstYear = 1700, kZoneYearLastYear = 9999 };

// One year of a zone as fixed-offset zone records (DaylightDate.wMonth == 0),
// one for each offset in force at 12:00 UTC of some day of the year, in the
// order they first occur; `recordOfDay[d]` is the record of 0-based day d.
// The sun times engine reads a zone only at 12:00 UTC of each day, so these
// records give it exactly the zone's local times. Index 365 of a common year
// repeats day 364. StandardName and DaylightName hold the zone name cut to
// 31 characters.
struct ZoneYear {
    int recordCount;
    TIME_ZONE_INFORMATION records[kZoneYearMaxRecords];
    unsigned char recordOfDay[366];
};

// Loads `zoneName` ("America/New_York", relative to the zoneinfo folder, which
// is TZDIR when set, else /usr/share/zoneinfo; no absolute path, no "..") for
// `year` (kZoneYearFirstYear .. kZoneYearLastYear). The name must name a
// regular TZif file: the C library would silently fall back to UTC for an
// unknown name and block on a FIFO. TZ is set to the zone while the year is
// read and restored afterwards, so call it from one thread only. False with
// a message in `error` (cut to `errorCapacity` characters; `error` may be
// null) when the name is not acceptable or the zone is unknown.
bool LoadZoneYear(const char* zoneName, int year, ZoneYear* out, wchar_t* error, int errorCapacity);

// The computer's zone as the C library sees it (TZ when set, else
// /etc/localtime): a fixed-offset record of the offset in force now, named
// after the zone. A TZ that names something other than a regular file (a
// FIFO, a folder) gives UTC without asking the C library, which would block.
void ReadZoneinfoComputerZone(TIME_ZONE_INFORMATION* zone);
