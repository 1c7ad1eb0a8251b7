// The [HELP] section of the settings file: the help window's search history,
// one SRCH line per entry from the oldest. The same command serves on the
// command line and in command files:
//   SRCH=<text>     the text runs to the end of the line, semicolons and
//                   blanks included; SRCH="<text>" reads a quoted value
//                   (as the writer quotes texts that hold blanks, ";", "//"
//                   or other characters that need it).
// Words in any case, "=" optional.
#pragma once

#include <cstdio>

enum { kHelpCommandDone = 3 };

// True while the settings reader is inside [HELP].
extern bool helpSectionActive;

// Parses SRCH commands (and comments and ";") from `text`. Returns
// kHelpCommandDone when anything was consumed, 0 when the text does not
// begin with one, -2 after a reported fault in a quoted value. *rest
// receives where the scan stopped.
int ParseHelpCommand(const wchar_t* text, const wchar_t** rest);

// The section handler of the settings reader: a header line switches the
// section on ("[HELP]", any case; *rest behind it) or off; other lines are
// parsed while it is on.
int ReadHelpSectionLine(const wchar_t* line, const wchar_t** rest);

// Writes "[HELP]", "SRCH=<text>" for each entry from the oldest, and an
// empty line. A null file writes nothing.
void WriteHelpSection(FILE* file);
