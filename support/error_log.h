// The error log: a comma-separated file beside the program file
// ("<program>_log.csv") that records, one line each, the local date, time
// and day name followed by a record the caller supplies (connection events
// of the internet test, error messages, the start and stop of logging).
// The file is opened and closed for every line. The [LOG_ERRORS] section of
// the settings file switches it:
//   EL    log on
//   ELO   log off
//   ELR   log on and start the file anew
// Words in any case, each followed by the end, ";" or white space; "//"
// starts a comment and ";" separates commands.
#pragma once

#include <cstdio>

// The state that the commands and the menu ask for.
enum LogRequest { kLogOff = 0, kLogOn = 1, kLogOnAndClear = 2 };
// Whether lines are being written.
enum LogCurrent { kLogNotLogging = 0, kLogLogging = 1 };

enum {
    kLogCommandDone = 3,
    // A record: a message of the error reporting call with room for its
    // quoting and the other columns.
    kLogRecordLength = 640,
};

// Program-wide: what was asked for and what is in use.
extern int logRequestedState;
extern int logCurrentState;
// True while the settings reader is inside [LOG_ERRORS].
extern bool logErrorsSectionActive;

// The log file's path: the program file's path less a final ".exe" (any
// case) with "_log.csv" appended, formed on first use from the running
// program. At most 260 characters.
const wchar_t* LogFilePath();
// Forms the path from `programFile` instead (a program that keeps its log
// beside another file). False when the path would not fit.
bool SetLogProgramFile(const wchar_t* programFile);

// Formats the record and writes one line. With both states off nothing is
// written and the result is true. Otherwise the file is opened for appending
// (anew when kLogOnAndClear was asked for); when the request is above the
// current state and the file is new or being started anew, the line is the
// header "Date,Time,Day,<record>" and logging is on; else the line is
// "<date>,<time>,<day>,<record>" and logging follows the request. The
// record carries its own line end. An open failure appends
// " Failed Error Log File Open: <path>" to the pending message and returns
// false with the states unchanged; so does a line that could not be written.
bool WriteLogLine(const wchar_t* format, ...);

// True when the log file exists.
bool LogFileExists();

// Writes `text` as one CSV field: as it is, or in double quotes with its
// quotes doubled when it holds a comma, a quote or a line end. Returns the
// length, or -1 when it was cut to fit (still closed by its quote).
int FormatCsvField(const wchar_t* text, wchar_t* out, int capacity);

// The [LOG_ERRORS] commands. Returns kLogCommandDone when anything was
// consumed, 0 otherwise; *rest receives where the scan stopped.
int ParseLogCommand(const wchar_t* text, const wchar_t** rest);
// The section handler of the settings reader.
int ReadLogSectionLine(const wchar_t* line, const wchar_t** rest);
// Writes "[LOG_ERRORS]", "EL" (any request but off) or "ELO", and an empty line.
void WriteLogSection(FILE* file);
