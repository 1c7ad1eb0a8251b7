// Zone records made from the system's zoneinfo database (TZif files), for
// builds without the Windows registry: the command-line tool takes IANA zone
// names, and the native build's "computer's zone" is the one TZ names.
//
// Files are read from /usr/share/zoneinfo, or from the folder that the TZDIR
// environment variable names. TZif versions 1 to 4 are read (the 64-bit data
// and the POSIX TZ footer of version 2 and later); leap-second records are
// skipped, not applied. Times before a file's first transition use its first
// standard-time type, times from its last transition on use the footer rule,
// as glibc does. A malformed or truncated file is refused, never half read.
//
// Zone records count in whole minutes. An offset that is not a whole number
// of minutes (the local mean time of a few zones before their first standard
// offset) is rounded to the nearest minute, halves away from zero; for such
// days the records' local time differs from the zoneinfo's by those seconds.
#pragma once

#include "support/platform_types.h"

// Up to this many records may be needed to express one year of a zone.
enum { kZoneYearMaxRecords = 8 };

// The years LoadZoneYear accepts.
enum { kZoneYearFirstYear = 1700, kZoneYearLastYear = 9999 };

// One year of a zone as zone records that the Windows rules (ApplyZoneRules
// in timezones/zone_rules.h) apply. For each 0-based day of year d, the local
// time at 12:00 UTC of that day that ApplyZoneRules gives with
// records[recordOfDay[d]] is the zoneinfo's local time then (offsets rounded
// to whole minutes, see above). Index 365 of a common year repeats day 364.
//
// - No change of offset between 12:00 UTC of 1 January and 12:00 UTC of
//   31 December: one record, DaylightDate.wMonth == 0, Bias = -offset.
// - Two changes that go and come back: one record whose DaylightDate and
//   StandardDate are the absolute dates (wYear set) of the changes, the
//   DaylightDate in local standard time and the StandardDate in local
//   daylight time, as Windows records give them (each is the wall-clock time
//   just before the change). The phase with the larger offset is the
//   daylight one (DaylightBias < 0), so the "standard" phase is the middle
//   one when daylight time spans the new year (southern hemisphere order,
//   DaylightDate later in the year than StandardDate). The changes come from
//   the file's transitions for that year, or from its footer rule past them.
//   A change between two minutes (local mean time) is put at the later one.
//   The record is checked day by day against the zone before it is given.
// - Anything one record cannot express (one change, more than two, a change
//   that does not come back, a record that fails the check, such as daylight
//   time within one month, which the Windows rules read as southern order):
//   one fixed-offset record per offset that occurs, and `recordOfDay` picks
//   the one in force at 12:00 UTC of each day. The records of such a year say
//   nothing about the instants of its changes, only about its noons.
// Changes between 00:00 and 12:00 UTC of 1 January only set the year's first
// offset. StandardName and DaylightName hold the zone name cut to 31
// characters.
// StandardName and DaylightName hold the zone name cut to 31 characters.
struct ZoneYear {
    int recordCount;
    TIME_ZONE_INFORMATION records[kZoneYearMaxRecords];
    unsigned char recordOfDay[366];
};

// Loads `zoneName` ("America/New_York", relative to the zoneinfo folder; no
// absolute path, no "..") for `year` (kZoneYearFirstYear ..
// kZoneYearLastYear). False with a message in `error` (cut to
// `errorCapacity` characters; `error` may be null) when the name is not
// acceptable, the zone is unknown or its file is not a valid TZif file.
bool LoadZoneYear(const char* zoneName, int year, ZoneYear* out, wchar_t* error, int errorCapacity);

// The computer's zone for the current UTC year, the record that applies
// today. The zone is, as glibc picks it: TZ when set (":Name", "Name" or an
// absolute path to a TZif file, with or without the colon; without the colon
// a POSIX TZ rule such as "EST5EDT,M3.2.0,M11.1.0" is also accepted; an empty
// TZ means UTC), else (TZ unset or ":") /etc/localtime, else UTC (Bias 0, no
// daylight time).
// The record's names are the zone's name ("Etc/UTC"; for a file outside the
// zoneinfo folder its path, cut), or "UTC" when no zone could be read.
void ReadZoneinfoComputerZone(TIME_ZONE_INFORMATION* zone);
