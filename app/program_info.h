// The program's own description: name, version, date and maker. It heads the
// table view and the help text and is the text of the About box.
#pragma once

enum { kProgramInfoLength = 8196 };

extern const wchar_t kProgramName[];    // "Zelmora"
extern const wchar_t kProgramVersion[]; // "V2-66 ..."
enum { kVersionMajor = 2, kVersionMinor = 66 };

// Writes the program information text; returns its length (or -1 when cut).
int BuildProgramInfo(wchar_t* buffer, int capacity);
