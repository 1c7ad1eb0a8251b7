// The [SUNTIMES] section of the settings file and its commands, which also
// serve on the command line and in command files:
//   LATITUDE=<degrees>   -90.0 to 90.0, north positive
//   LONGITUDE=<degrees>  -180.0 to 180.0, east positive
//   TIMEZONE=<key name>  a zone of the catalogue by its key name, such as
//                        TIMEZONE="Tokyo Standard Time" or TIMEZONE=UTC
// and the batch commands DATA, DATES, VIEW, SAVEAS and PRINT
// (suntimes/batch_commands.h), which are never written.
// Words in any case, "=" optional, ";" separates and "//" starts a comment.
#pragma once

#include <cstdio>

enum { kSunTimesCommandDone = 3 };

// True while the settings reader is inside [SUNTIMES].
extern bool sunTimesSectionActive;

// Writes "[SUNTIMES]", "Latitude=%g", "Longitude=%g", "Timezone=\"<key>\""
// when a zone has been chosen, and an empty line. A null file writes nothing.
void WriteSunTimesSection(FILE* file);

// The section handler of the settings reader: a header line switches the
// section on ("[SUNTIMES]", any case; *rest behind it) or off; other lines
// are parsed while it is on. Returns 0, or -1 when a command was rejected.
int ReadSunTimesSectionLine(const wchar_t* line, const wchar_t** rest);

// Parses the commands. Returns kSunTimesCommandDone when at least one was
// carried out, 0 when the text holds none, -2 after a rejected value, which
// is reported and leaves the setting as it was:
//   "Invalid Latitude[-90.0 - 90.0]: %g", "Invalid Longitude[-180.0 - 180.0]: %g",
//   "Unknown Timezone: %s", "Missing Timezone Name".
// A keyword followed by text that is no number sets 0.0 and stops there.
// *rest receives where the scan stopped.
int ParseSunTimesCommand(const wchar_t* text, const wchar_t** rest);
