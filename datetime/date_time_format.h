// The one formatter of dates and times of day that the program shows or
// writes, with its program-wide 12/24-hour setting, the [DATETIME] settings
// section and its DT12/DT24 commands. One shared input record and one shared
// output buffer: a caller fills the record, formats, and copies the text out
// before anything else formats.
#pragma once

#include <cstdint>
#include <cstdio>

#include "support/platform_types.h"

// Parts of the text, combined by OR.
enum DateTimeFlags {
    kDateTimeWeekdayName = 0x80,  // "Monday" ... "Sunday"
    kDateTimeWeekdayShort = 0x40, // "Mo" ... "Su", when the full name is not asked for
    kDateTimeDate = 0x20,         // month/day/two-digit year
    kDateTimeTwelveHour = 0x10,   // 12-hour clock with AM/PM
    kDateTimeHours = 0x08,
    kDateTimeMinutes = 0x04,
    kDateTimeSeconds = 0x02,
    kDateTimeTenths = 0x01, // with seconds only
};

enum {
    kDateTimeFormat12 = 126, // weekday, date, h:mm:ss AM/PM (the DT12 command)
    kDateTimeFormat24 = 110, // weekday, date, h:mm:ss on the 24-hour clock (DT24)
    kDateTimeTextLength = 32,
};

// The program's setting; starts as kDateTimeFormat12.
extern int32_t dateTimeFormat;

// The moment to format, filled by the caller or by CaptureLocalDateTime.
struct PackedDateTime {
    uint8_t fifths; // milliseconds / 200, 0 to 4
    uint8_t second;
    uint8_t minute;
    uint8_t hour;    // 0 to 23
    uint8_t weekday; // 1 = Monday ... 7 = Sunday
    uint8_t month;   // 1 to 12
    uint8_t day;
    uint8_t year2; // year modulo 100
};
extern PackedDateTime packedDateTime;

// Fills packedDateTime from the computer's local clock (Sunday becomes 7).
void CaptureLocalDateTime();

// Formats packedDateTime into the shared output text and returns the number
// of characters written. flags 0 stands for dateTimeFormat. Flags that ask
// for nothing visible (0x10 alone) write nothing: the result is 0 and the
// text keeps what it held. A text longer than 31 characters is cut there.
int FormatDateTime(int flags);

// The shared output text (32 characters with the terminator).
const wchar_t* DateTimeText();

// An event's local time of day as h:mm:ss, with AM/PM under the 12-hour
// setting, into the shared output text. Returns the number of characters.
int FormatEventTimeOfDay(const BrokenDownTime& localTm);

// Writes "[DATETIME]", "DT12" or "DT24", and an empty line, each ended by a
// line feed, to a file opened for text writing. A null file writes nothing.
void WriteDateTimeSection(FILE* file);

// True while the settings reader is inside [DATETIME]; the reader clears it
// before a file.
extern bool dateTimeSectionActive;

// The [DATETIME] handler of the settings reader. A header line switches the
// section on ("[DATETIME]", any case; *rest then points behind it and its
// blanks) or off (*rest stays at the line). Other lines are parsed as
// commands while the section is on. Always returns 0: progress shows in *rest.
int ReadDateTimeSectionLine(const wchar_t* line, const wchar_t** rest);

// Parses DT12 / DT24 (any case), ";" separators and "//" comments. Returns 3
// when a command was carried out, 0 otherwise; *rest receives where the scan
// stopped (the first text that is not one of these).
int ParseDateTimeCommand(const wchar_t* text, const wchar_t** rest);
