// The settings file: every setting of the program as text commands, divided
// into sections by bracketed headers ([OPTIONS], [DISPLAY_POSITIONS],
// [DATETIME], [SUNTIMES], ...), read at start-up and written on request and
// at exit. Lines are parsed by the handler of the current section; "//"
// starts a comment and ";" separates commands on a line.
#pragma once

#include <cstdio>

enum {
    kSettingsExitRequest = 1, // an EXIT or QUIT command ended the reading
    kSettingsUnreadable = -2, // the file could not be opened or read
};

// Reads a settings file. Returns kSettingsExitRequest when an exit command
// ended the reading, kSettingsUnreadable after "Failed to Open Control File:
// %s" (or "Failed to Read Control File: %s"), otherwise the bit-or of all
// handler results: 0 for nothing done, positive when commands were carried
// out, negative when any command failed ("Invalid command for header %s: %s"
// and the sections' own messages). Reading goes on after a bad line.
// Lines before the first header are ignored; lines after an unknown header
// are reported.
int ReadSettingsFile(const wchar_t* path);

// Writes the whole settings file: a comment line naming the program, then
// every section in order. The new text goes to a temporary file beside it
// ("<path>.tmp"), which replaces the old file only when it was written and
// closed whole, so a failed write leaves the old file as it was. A read-only
// file is made writable for the write; afterwards the file is read-only, and
// after a failure it is as read-only as before. Returns true when the file
// was written; otherwise one of "Failed Set Normal Attributes for Control
// File: %s" and "Failed to Write Control File: %s" was reported.
bool WriteSettingsFile(const wchar_t* path);

// Writes the settings content (the comment line and every section) to an
// open file.
void WriteSettingsContent(FILE* file);

// Before the main window exists: reads only the [DISPLAY_POSITIONS] section
// of the settings file at `path` (the one FormSettingsPath names, which the
// full reading uses too), so that the window opens where it was. A missing
// file is no error; messages are left for the full reading to give.
void ReadWindowPositionsEarly(const wchar_t* path);
