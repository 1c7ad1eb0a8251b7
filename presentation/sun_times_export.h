// The saved files of the sun times: a comma-separated file or the table as
// text, with the rules of their bytes. The Windows side writes them
// (presentation/sun_times_file.h).
#pragma once

#include <cstddef>

// The CSV body of the series' shown range in the current presentation mode:
// the kind, place and zone lines, the heading and one row per day, each line
// ended by "\n". Nothing when the series has no range. Never writes past
// capacity; returns the characters written.
int FormatSunTimesCsv(wchar_t* buffer, int capacity);
// The characters FormatSunTimesCsv writes for the same series and settings.
int SunTimesCsvLength();

// The body of a text file: the table with "\n" line ends, or only its title
// line when the series has no range. Returns the characters written.
int FormatSunTimesTextFile(wchar_t* buffer, int capacity);
int SunTimesTextFileLength();

// True when a file title names a CSV file: its last three characters are
// "CSV" in any case.
bool IsCsvTitle(const wchar_t* title);

// The name the save dialog offers for a presentation mode ("Zelmora_Time" ...).
const wchar_t* DefaultSaveName(int mode);

// The bytes of a text file: each "\n" stored as CR LF, each character as one
// 8-bit character (Latin-1). Writes at most `capacity` bytes (2 * length is
// always enough) and returns the count, or -1 when a character does not fit
// in 8 bits or the bytes do not fit the buffer.
int EncodeTextFile(const wchar_t* text, char* bytes, size_t capacity);

// Writes the current results to `path`: the CSV when `title` names a CSV
// file, else the text, followed by one more line end, in the bytes of
// EncodeTextFile. The file is replaced only when it was written whole; after
// a failure the old file (or none) is left under the name. False when it
// could not be written or holds a character beyond 8 bits; a shortage of
// memory is also reported ("Insufficient Memory Storage").
bool WriteSunTimesFile(const wchar_t* path, const wchar_t* title);
