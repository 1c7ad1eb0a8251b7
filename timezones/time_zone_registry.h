// The Windows side of the time zone catalogue: the registry's zone database
// and the computer's own zone. Built for Windows only.
#pragma once

#include "support/platform_types.h"

// Display texts are read into buffers of this many bytes.
enum { kZoneDisplayBytes = 8196, kZoneDisplayChars = kZoneDisplayBytes / 2 };

// Rebuilds the catalogue from the registry. Returns 1 when the zone database
// could be opened (whatever it held), 0 when not; the former catalogue is then
// left as it was. Zones whose values cannot be read are left out.
int LoadTimeZoneCatalogue();

// The rules of one zone: "TZI", then "Dlt", then "Std". 0 on any failure
// (fields read before it stay written).
int ReadTimeZoneInfo(const wchar_t* keyName, TIME_ZONE_INFORMATION* zone);

// The "Display" text of one zone into a buffer of kZoneDisplayChars wide
// characters (cut if longer). 1 or 0.
int ReadTimeZoneDisplay(const wchar_t* keyName, wchar_t* text);

// Finds the computer's own zone in the catalogue: by the key name the system
// gives for it, else by its standard name. Returns the 0-based position and
// selects the entry; reports "Local Timezone Not Found" and returns
// kZoneNotFound if absent.
int FindComputerZoneIndex();
