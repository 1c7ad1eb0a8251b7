// The time zone catalogue: every zone the operating system knows, one entry
// each, ordered from the most western offset to the most eastern, and the zone
// the main window computes with. The Windows loader fills it from the
// registry through the building calls below; everything here is portable.
#pragma once

#include <cstdint>

#include "support/platform_types.h"

struct TimeZoneEntry {
    TimeZoneEntry* prev;   // null for the first entry
    TimeZoneEntry* next;   // null for the last entry
    int32_t displayLength; // characters of displayName without the terminator
    wchar_t* displayName;  // "(UTC-05:00) Eastern Time (US & Canada)"
    wchar_t* keyName;      // the zone's identifier; null when it could not be copied
    TIME_ZONE_INFORMATION zone;
};

struct TimeZoneCatalogue {
    TimeZoneEntry* head;
    TimeZoneEntry* tail;
    TimeZoneEntry* selectedZone; // the entry whose zone the sun times use; may be null
    int32_t count;
};

// The one catalogue of the program.
extern TimeZoneCatalogue timeZoneCatalogue;

// Frees every entry with its strings (and a half-built west list) and resets
// the header. Returns the number of entries freed.
int ClearTimeZoneCatalogue();

// Building the catalogue: clear, add each zone, finish.
// Zones whose display text has '-' at index 4 ("(UTC-") are kept apart in
// the west list (descending text order, so (UTC-12:00) comes first); the others
// go into the catalogue in ascending case-insensitive text order, equal texts in
// arrival order. Finishing links the west list in front and selects the first
// zone that is not west of UTC (or the first west zone when there is no other).
void BeginTimeZoneCatalogue();
// Copies the texts and the zone record into a new entry. A null keyName leaves
// the entry without one. Returns 1 when the entry was added, 0 when it was
// dropped (no memory, "Insufficient Memory" reported, or no display text).
int AddTimeZoneEntry(const wchar_t* displayName, const wchar_t* keyName,
                     const TIME_ZONE_INFORMATION* zone);
void FinishTimeZoneCatalogue();

// "(UTC-05:00) Eastern Standard Time": the standard offset (Bias only, UTC =
// local + Bias) and the standard name. Returns the length, or -1 when cut.
int FormatZoneOffset(const TIME_ZONE_INFORMATION* zone, wchar_t* out, int capacity);

// What FindZoneIndexByName gives for a zone that is not in the catalogue.
enum { kZoneNotFound = -1 };

// Finds the zone whose key name equals keyName, or failing that equals
// standardName (both exact). Found: selectedZone becomes the entry and its
// 0-based position is returned. Not found: selectedZone becomes null,
// "Local Timezone Not Found" is reported and kZoneNotFound is returned.
int FindZoneIndexByName(const wchar_t* keyName, const wchar_t* standardName);

// Wide comparison ignoring the case of A-Z, the same on every platform:
// negative, 0 or positive like wcscmp.
int CompareZoneTextsIgnoringCase(const wchar_t* a, const wchar_t* b);
