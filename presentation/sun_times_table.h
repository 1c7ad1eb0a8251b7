// The sun times as a text table: the title line shared with the plot and the
// text file, the place and zone lines, the column headings and one row per
// day of the shown range, in the presentation mode of the main window.
#pragma once

#include "suntimes/sun_times_types.h"

// Characters of one cell, terminator included.
enum { kTableCellLength = 32 };

// "Sun Times:" and the title of the current presentation mode and view (the
// plot's legend carries the local clock's year). Returns the characters
// written; a null buffer or a capacity of 0 writes nothing and returns 0.
int FormatDisplayTitle(wchar_t* buffer, int capacity);

// Writes the table of the series' shown range into buffer, ending each line
// with lineEnd ("\r\n" on screen, "\n" in a text file). Writes nothing when
// the series has no valid range. Never writes past capacity: a table that does
// not fit ends cleanly where it was cut. Returns the characters written.
int FormatSunTimesTable(wchar_t* buffer, int capacity, const wchar_t* lineEnd);

// The number of characters FormatSunTimesTable writes for the same series and
// settings (without the terminator), so that a buffer can be sized to it.
int SunTimesTableLength(const wchar_t* lineEnd);

// One cell of an event in a presentation mode, without padding: the time of
// day (12/24-hour setting), a number, a period length as h:mm:ss, or
// "Never Rises" / "Never Sets " for a polar day.
void FormatSunTimesCell(const SunEvent& event, int mode, wchar_t* cell);
