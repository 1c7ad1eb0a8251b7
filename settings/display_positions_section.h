// The [DISPLAY_POSITIONS] section of the settings file: the remembered window
// rectangles of settings/window_positions.h as POS commands,
//   Pos<index>=<left>, <top>, <right>, <bottom>
// with the index 0 to 15 and the numbers as C integer literals (decimal, 0x
// hex, leading-0 octal); "=" and the commas are optional. A command with all
// four numbers is clamped to the desktop; fewer leave zeros behind them.
#pragma once

#include <cstdio>

enum { kPositionCommandDone = 3 };

// True while the settings reader is inside [DISPLAY_POSITIONS].
extern bool displayPositionsSectionActive;

// Parses POS commands, ";" separators and "//" comments. Returns
// kPositionCommandDone when a position was read, 0 when the text holds none,
// -2 after reporting a missing or invalid index ("Missing Display Position
// Array # Value", "Invalid Display Position Array # (0-15): N"). *rest
// receives where the scan stopped.
int ParsePositionCommand(const wchar_t* text, const wchar_t** rest);

// The section handler of the settings reader: a header line switches the
// section on ("[DISPLAY_POSITIONS]", any case) or off; other lines are parsed
// while it is on. Returns the parser's result.
int ReadPositionsSectionLine(const wchar_t* line, const wchar_t** rest);

// Writes the header, the comment "//Order is Left, Top, Right, Bottom", every
// entry that is not empty (clamped to the desktop) and an empty line.
void WritePositionsSection(FILE* file);
