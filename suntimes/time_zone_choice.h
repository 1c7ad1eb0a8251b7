// The time zone the user chose, kept by its key name (such as "Tokyo Standard
// Time"), which stays valid when the catalogue is rebuilt and across runs:
// the TIMEZONE command sets it, the [SUNTIMES] section saves it, and the main
// window turns it into a catalogue position whenever it has built the
// catalogue.
#pragma once

enum { kZoneKeyLength = 256 }; // characters of a key name, terminator included

// The chosen key name; empty when no zone has been chosen.
const wchar_t* ChosenZoneKey();

// Chooses the zone whose key name equals `keyName`, ignoring case, and keeps
// the catalogue's spelling of it. An empty catalogue is built first (on
// Windows from the registry). False, with the choice unchanged, when no zone
// has that key name.
bool ChooseZoneByKey(const wchar_t* keyName);

// Forgets the choice.
void ForgetChosenZone();

// The 0-based position of the chosen zone in the catalogue as it is now, or
// -1 when none is chosen or the catalogue does not list it.
int ChosenZoneIndex();

// Builds the time zone catalogue when it is empty, where the platform has a
// zone database to build it from; otherwise leaves it as it is.
void EnsureZoneCatalogue();
