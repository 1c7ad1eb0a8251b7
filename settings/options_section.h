// The [OPTIONS] section of the settings file and its commands, which also
// serve on the command line and in command files:
//   "//" comment to the end of the line, ";" separator,
//   EXIT or QUIT   the caller ends (the command line) or stops reading (a file),
//   SDO            errors shown in a message box (status bar option off),
//   SD             errors shown in the status bar (status bar option on),
//   UPDATESITE=host[:port] or UPDATESITE=OFF  where the update check looks
//                  (services/update_site.h).
// Words are compared without case.
#pragma once

#include <cstdio>

enum {
    kOptionsExitRequest = 1, // result of EXIT / QUIT
    kOptionsCommandDone = 3, // something was consumed
};

// True while the settings reader is inside [OPTIONS].
extern bool optionsSectionActive;

// Parses options commands from `text`. Returns kOptionsExitRequest at once on
// EXIT or QUIT (*rest behind the word), kOptionsCommandDone when anything
// (a command, a comment, a separator) was consumed, 0 when the text does not
// begin with one, -2 after a bad UPDATESITE value was reported (*rest at its
// word). *rest receives where the scan stopped.
int ParseOptionsCommand(const wchar_t* text, const wchar_t** rest);

// The [OPTIONS] handler of the settings reader: a header line switches the
// section on or off ("[OPTIONS]", any case; *rest then points behind it);
// other lines are parsed while the section is on. Returns the parser's result
// (kOptionsExitRequest for an exit request), 0 otherwise.
int ReadOptionsSectionLine(const wchar_t* line, const wchar_t** rest);

// Writes "[OPTIONS]", "SD" or "SDO", "UPDATESITE=<site or OFF>", and an
// empty line.
void WriteOptionsSection(FILE* file);
