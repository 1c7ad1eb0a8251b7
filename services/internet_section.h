// The [INTERNET] section of the settings file and its commands, which also
// serve on the command line and in command files (words in any case, "="
// optional, ";" separates, "//" starts a comment):
//   DIU          every default (services/internet_test.h)
//   EU<n>=<url>  test address n, 1 to 5
//   IT           test on;  IT=<s>  interval of s seconds, 30 to 120, test on
//   ITO          test off, down test off
//   IDT          test and down test on;  IDT=<m>  down time of m minutes,
//                5 to 60 (the down test stays as it is)
//   IDTO         down test off
//   IDP=<path>   reset program;  IDC=<text> its command line;
//   IDK=<text>   the keystrokes typed into it (services/keystroke_text.h)
//   TID          reset at the next tick
// IDP, IDC and IDK take the rest of the line, or a value in double quotes
// (escapes as in settings/setting_values.h), which is how they are written.
#pragma once

#include <cstdio>

enum { kInternetCommandDone = 3 };

extern bool internetSectionActive;

// Parses the commands. Returns kInternetCommandDone when something was
// carried out, 0 when the text does not begin with one, -2 after a rejected
// value, which is reported and leaves the setting as it was:
//   "Missing EU# Value", "Missing # for Edit URL EU#",
//   "Invalid # for Edit URL EU# [1->5]: %d", "Missing IT# Value",
//   "IT# Test Time in Seconds Out of Range[30-120]: %ld",
//   "Missing IDT# Value", "Invalid Internet Down Time [5-60]: %d".
// *rest receives where the scan stopped (at the failing command).
int ParseInternetCommand(const wchar_t* text, const wchar_t** rest);
// The section handler of the settings reader.
int ReadInternetSectionLine(const wchar_t* line, const wchar_t** rest);
// Writes the section: interval, test, down time, down test, reset program,
// command line, keystrokes and the five addresses, values that need it in
// quotes so that they read back whole.
void WriteInternetSection(FILE* file);
