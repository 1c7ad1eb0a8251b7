#include "support/error_log.h"

#include <cstdarg>
#include <cwchar>

#include "datetime/date_time_format.h"
#include "settings/command_text.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "support/file_search.h"
#include "support/file_system.h"
#include "support/text_lines.h"
#include "support/text_case.h"

int logRequestedState = kLogOff;
int logCurrentState = kLogNotLogging;
bool logErrorsSectionActive = false;

namespace {

const wchar_t kLogHeader[] = L"[LOG_ERRORS]";
const wchar_t kLogSuffix[] = L"_log.csv";
const wchar_t kProgramExtension[] = L".EXE";

// Room for the three columns of the prefix: each a formatter text.
enum { kPrefixLength = 3 * kDateTimeTextLength + 4 };

wchar_t logFilePath[kFilePathLength] = L"";

// The date, time and day name of the local clock, each by the program's
// date/time options restricted to that part.
void FormatPrefix(wchar_t* prefix) {
    CaptureLocalDateTime();
    const int parts[3] = {
        dateTimeFormat & kDateTimeDate,
        dateTimeFormat & (kDateTimeTwelveHour | kDateTimeHours | kDateTimeMinutes |
                          kDateTimeSeconds | kDateTimeTenths),
        dateTimeFormat & (kDateTimeWeekdayName | kDateTimeWeekdayShort),
    };
    int length = 0;
    prefix[0] = L'\0';
    for (int i = 0; i < 3; ++i) {
        // A part the options leave out stays an empty column.
        const bool shown = parts[i] != 0 && FormatDateTime(parts[i]) > 0;
        AppendText(prefix, kPrefixLength, length, i == 0 ? L"%ls" : L",%ls",
                   shown ? DateTimeText() : L"");
    }
}

} // namespace

bool SetLogProgramFile(const wchar_t* programFile) {
    wchar_t path[kFilePathLength];
    if (programFile == nullptr || CopyText(path, kFilePathLength, programFile) < 0) return false;
    if (EndsWithIgnoringCase(path, kProgramExtension))
        path[std::wcslen(path) - std::wcslen(kProgramExtension)] = L'\0';
    int end = static_cast<int>(std::wcslen(path));
    if (AppendText(path, kFilePathLength, end, L"%ls", kLogSuffix) < 0) return false;
    CopyText(logFilePath, kFilePathLength, path);
    return true;
}

const wchar_t* LogFilePath() {
    if (logFilePath[0] == L'\0') {
        wchar_t program[kFilePathLength];
        if (ProgramFilePath(program, kFilePathLength) > 0) SetLogProgramFile(program);
    }
    return logFilePath;
}

bool LogFileExists() {
    return PathKindAt(LogFilePath()) == kPathFile;
}

int FormatCsvField(const wchar_t* text, wchar_t* out, int capacity) {
    if (out == nullptr || capacity <= 0) return -1;
    if (text == nullptr) text = L"";
    if (std::wcspbrk(text, L",\"\r\n") == nullptr) return CopyText(out, capacity, text);
    if (capacity < 3) {
        out[0] = L'\0';
        return -1;
    }
    // The field's characters, each quote doubled, within two quotes.
    int length = 0;
    out[length++] = L'"';
    bool cut = false;
    for (const wchar_t* p = text; *p != L'\0'; ++p) {
        const int needed = *p == L'"' ? 2 : 1;
        if (length + needed > capacity - 2) {
            cut = true;
            break;
        }
        out[length++] = *p;
        if (*p == L'"') out[length++] = L'"';
    }
    out[length++] = L'"';
    out[length] = L'\0';
    return cut ? -1 : length;
}

bool WriteLogLine(const wchar_t* format, ...) {
    wchar_t record[kLogRecordLength];
    va_list args;
    va_start(args, format);
    FormatTextV(record, kLogRecordLength, format, args);
    va_end(args);
    if (logRequestedState == kLogOff && logCurrentState == kLogNotLogging) return true;

    const wchar_t* path = LogFilePath();
    const bool existed = LogFileExists();
    const bool clear = logRequestedState == kLogOnAndClear;
    ScopedFile file(OpenFileAt(path, clear ? "w+" : "a+"));
    if (!file) {
        if (HasPendingError()) SetAppendNext();
        ReportErrorCategory(kErrorLogFile, L" Failed Error Log File Open: %ls", path);
        return false;
    }
    wchar_t line[kLogRecordLength + kPrefixLength];
    if (logRequestedState > logCurrentState && (clear || !existed)) {
        FormatText(line, kLogRecordLength + kPrefixLength, L"Date,Time,Day,%ls", record);
        logRequestedState = kLogOn;
        logCurrentState = kLogLogging;
    } else {
        wchar_t prefix[kPrefixLength];
        FormatPrefix(prefix);
        FormatText(line, kLogRecordLength + kPrefixLength, L"%ls,%ls", prefix, record);
        const bool switchedOff = logRequestedState < logCurrentState;
        logRequestedState = switchedOff ? kLogOff : kLogOn;
        logCurrentState = switchedOff ? kLogNotLogging : kLogLogging;
    }
    // UTF-8, so that any message survives; text mode stores "\n" as CR LF.
    return WriteTextUtf8(file.get(), line);
}

int ParseLogCommand(const wchar_t* text, const wchar_t** rest) {
    if (rest != nullptr) *rest = text;
    if (text == nullptr) return 0;
    // Tried in this order: the longer words first.
    static const struct {
        const wchar_t* word;
        int request;
    } kCommands[] = {{L"ELR", kLogOnAndClear}, {L"ELO", kLogOff}, {L"EL", kLogOn}};
    int result = 0;
    const wchar_t* p = SkipCommandWhite(text);
    while (*p != L'\0') {
        const wchar_t* start = p;
        if (IsCommentStart(p)) {
            p = SkipComment(p);
        } else if (*p == L';') {
            ++p;
        } else {
            for (const auto& command : kCommands) {
                if (!StartsWithCommandWord(p, command.word)) continue;
                const int length = static_cast<int>(std::wcslen(command.word));
                if (IsCommandWordEnd(p[length])) logRequestedState = command.request;
                p += length;
                break;
            }
            if (p == start) break;
        }
        result = kLogCommandDone;
        p = SkipCommandWhite(p);
    }
    if (rest != nullptr) *rest = p;
    return result;
}

int ReadLogSectionLine(const wchar_t* line, const wchar_t** rest) {
    return ReadSectionLine(line, rest, kLogHeader, &logErrorsSectionActive, ParseLogCommand);
}

void WriteLogSection(FILE* file) {
    if (file == nullptr) return;
    fwprintf(file, L"%ls\n%ls\n\n", kLogHeader, logRequestedState != kLogOff ? L"EL" : L"ELO");
}
