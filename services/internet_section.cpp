#include "services/internet_section.h"

#include <cwchar>
#include <cwctype>
#include <memory>
#include <new>

#include "services/internet_test.h"
#include "settings/command_text.h"
#include "settings/setting_values.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "support/text_tokens.h"

bool internetSectionActive = false;

namespace {

const wchar_t kInternetHeader[] = L"[INTERNET]";
// An unquoted test address ends at a blank, ";" or ",".
const wchar_t kAddressDelimiters[] = L" ;,\t";
// A written value: every character may take an escape of ten.
enum { kWrittenValueLength = kInternetTextLength * 10 + 3 };

enum CommandStatus { kNotMine, kCarriedOut, kRejected };

bool StartsNumber(const wchar_t* p) {
    return std::iswdigit(static_cast<wint_t>(*p)) ||
           ((*p == L'-' || *p == L'+') && std::iswdigit(static_cast<wint_t>(p[1])));
}

long ReadNumber(const wchar_t* p, const wchar_t** end) {
    wchar_t* stop = nullptr;
    const long value = std::wcstol(p, &stop, 0);
    *end = stop;
    return value;
}

// "IT", "IT=<seconds>" or "IT <seconds>".
CommandStatus ReadTestCommand(const wchar_t* word, const wchar_t** p) {
    const wchar_t* after = word + 2;
    bool assigned = false;
    const wchar_t* value = SkipCommandAssignment(after, &assigned);
    if (StartsNumber(value)) {
        const long seconds = ReadNumber(value, p);
        if (seconds < kTestIntervalMinSeconds || seconds > kTestIntervalMaxSeconds) {
            ReportError(L"IT# Test Time in Seconds Out of Range[%d-%d]: %ld",
                        static_cast<int>(kTestIntervalMinSeconds),
                        static_cast<int>(kTestIntervalMaxSeconds), seconds);
            return kRejected;
        }
        internetSettings.intervalMs = static_cast<int32_t>(seconds * 1000);
    } else if (assigned) {
        ReportError(L"Missing IT# Value");
        return kRejected;
    } else if (!IsCommandWordEnd(*after)) {
        return kNotMine;
    } else {
        *p = after;
    }
    internetSettings.testEnabled = true;
    TestAtNextTick();
    return kCarriedOut;
}

// "IDT", "IDT=<minutes>" or "IDT <minutes>".
CommandStatus ReadDownTestCommand(const wchar_t* word, const wchar_t** p) {
    const wchar_t* after = word + 3;
    bool assigned = false;
    const wchar_t* value = SkipCommandAssignment(after, &assigned);
    if (StartsNumber(value)) {
        const long minutes = ReadNumber(value, p);
        if (minutes < kDownTimeMinMinutes || minutes > kDownTimeMaxMinutes) {
            ReportError(L"Invalid Internet Down Time [%d-%ld]: %d",
                        static_cast<int>(kDownTimeMinMinutes),
                        static_cast<long>(kDownTimeMaxMinutes), static_cast<int>(minutes));
            return kRejected;
        }
        internetSettings.downTimeMs = static_cast<int32_t>(minutes * 60000);
        return kCarriedOut;
    }
    if (assigned) {
        ReportError(L"Missing IDT# Value");
        return kRejected;
    }
    if (!IsCommandWordEnd(*after)) return kNotMine;
    internetSettings.testEnabled = true;
    internetSettings.downTestEnabled = true;
    TestAtNextTick();
    *p = after;
    return kCarriedOut;
}

// "EU<n>=<address>".
CommandStatus ReadAddressCommand(const wchar_t* word, const wchar_t** p) {
    const wchar_t* number = word + 2;
    while (*number == L' ' || *number == L'\t')
        ++number;
    if (!StartsNumber(number)) {
        ReportError(L"Missing EU# Value");
        return kRejected;
    }
    const wchar_t* end = number;
    const long index = ReadNumber(number, &end);
    if (index < 1 || index > kInternetAddressCount) {
        ReportError(L"Invalid # for Edit URL EU# [1->%d]: %d",
                    static_cast<int>(kInternetAddressCount), static_cast<int>(index));
        return kRejected;
    }
    bool assigned = false;
    const wchar_t* value = SkipCommandAssignment(end, &assigned);
    std::unique_ptr<wchar_t[]> address(new (std::nothrow) wchar_t[kInternetTextLength]);
    if (!address) {
        ReportError(L"Insufficient Memory Storage");
        return kRejected;
    }
    int taken;
    if (*value == L'"')
        taken = ParseSettingValue(value, p, address.get(), kInternetTextLength);
    else
        taken = ParseToken(value, p, address.get(), kAddressDelimiters, kInternetTextLength,
                           kTokenPlain);
    if (taken < 0) return kRejected;
    if (taken > 0) {
        ReportError(L"Missing # for Edit URL EU#");
        return kRejected;
    }
    CopyText(internetSettings.addresses[index - 1], kInternetTextLength, address.get());
    return kCarriedOut;
}

// "IDP", "IDC", "IDK": a value in double quotes that ends the command (as
// the section writes it), else the rest of the line as it stands.
CommandStatus ReadTextCommand(const wchar_t* word, wchar_t* setting, const wchar_t** p) {
    bool assigned = false;
    const wchar_t* value = SkipCommandAssignment(word + 3, &assigned);
    const wchar_t* lineEnd = value + std::wcscspn(value, L"\r\n");
    if (*value == L'"') {
        std::unique_ptr<wchar_t[]> quoted(new (std::nothrow) wchar_t[kInternetTextLength]);
        const wchar_t* behind = value;
        const bool pending = HasPendingError();
        if (quoted && ParseSettingValue(value, &behind, quoted.get(), kInternetTextLength) == 0) {
            const wchar_t* next = SkipCommandWhite(behind);
            if (*next == L'\0' || *next == L';' || IsCommentStart(next)) {
                CopyText(setting, kInternetTextLength, quoted.get());
                *p = behind;
                return kCarriedOut;
            }
        }
        // Quotes that belong to the text itself: no message for them.
        if (!pending && HasPendingError()) TakePendingError();
    }
    const wchar_t* end = lineEnd;
    while (end > value && IsCommandWhite(end[-1]))
        --end;
    const int length = static_cast<int>(end - value);
    if (length >= kInternetTextLength) {
        ReportError(L"String Length Exceeded: %d Max", static_cast<int>(kInternetTextLength));
        return kRejected;
    }
    std::wmemcpy(setting, value, static_cast<size_t>(length));
    setting[length] = L'\0';
    *p = lineEnd;
    return kCarriedOut;
}

// A word alone: followed by the end, ";" or white space.
bool IsWordAlone(const wchar_t* p, const wchar_t* word) {
    return StartsWithCommandWord(p, word) && IsCommandWordEnd(p[std::wcslen(word)]);
}

CommandStatus ReadCommand(const wchar_t* p, const wchar_t** after) {
    InternetSettings& s = internetSettings;
    if (IsWordAlone(p, L"DIU")) {
        ApplyInternetDefaults();
        *after = p + 3;
        return kCarriedOut;
    }
    if (StartsWithCommandWord(p, L"EU")) return ReadAddressCommand(p, after);
    if (IsWordAlone(p, L"ITO")) {
        SwitchTestOff();
        *after = p + 3;
        return kCarriedOut;
    }
    if (StartsWithCommandWord(p, L"IT")) return ReadTestCommand(p, after);
    if (IsWordAlone(p, L"IDTO")) {
        s.downTestEnabled = false;
        internetSchedule.down = false;
        *after = p + 4;
        return kCarriedOut;
    }
    if (StartsWithCommandWord(p, L"IDT")) return ReadDownTestCommand(p, after);
    if (StartsWithCommandWord(p, L"IDP")) return ReadTextCommand(p, s.resetProgram, after);
    if (StartsWithCommandWord(p, L"IDC")) return ReadTextCommand(p, s.resetCommandLine, after);
    if (StartsWithCommandWord(p, L"IDK")) return ReadTextCommand(p, s.resetKeystrokes, after);
    if (IsWordAlone(p, L"TID")) {
        RequestInternetReset();
        *after = p + 3;
        return kCarriedOut;
    }
    return kNotMine;
}

void WriteValue(FILE* file, const wchar_t* name, const wchar_t* value, wchar_t* written) {
    if (FormatSettingValue(value, false, written, kWrittenValueLength) >= 0)
        fwprintf(file, L"%ls=%ls\n", name, written);
}

} // namespace

int ParseInternetCommand(const wchar_t* text, const wchar_t** rest) {
    if (rest != nullptr) *rest = text;
    if (text == nullptr) return 0;
    int result = 0;
    const wchar_t* p = SkipCommandWhite(text);
    while (*p != L'\0') {
        if (IsCommentStart(p)) {
            p = SkipComment(p);
        } else if (*p == L';') {
            ++p;
        } else {
            const wchar_t* after = p;
            const CommandStatus status = ReadCommand(p, &after);
            if (status == kNotMine) break;
            if (status == kRejected) {
                if (rest != nullptr) *rest = p;
                return -2;
            }
            p = after;
            result = kInternetCommandDone;
        }
        p = SkipCommandWhite(p);
    }
    if (rest != nullptr) *rest = p;
    return result;
}

int ReadInternetSectionLine(const wchar_t* line, const wchar_t** rest) {
    return ReadSectionLine(line, rest, kInternetHeader, &internetSectionActive,
                           ParseInternetCommand);
}

void WriteInternetSection(FILE* file) {
    if (file == nullptr) return;
    std::unique_ptr<wchar_t[]> written(new (std::nothrow) wchar_t[kWrittenValueLength]);
    if (!written) return;
    const InternetSettings& s = internetSettings;
    fwprintf(file, L"%ls\nIT=%d\n%ls\nIDT=%ld\n%ls\n", kInternetHeader,
             static_cast<int>(s.intervalMs / 1000), s.testEnabled ? L"IT" : L"ITO",
             static_cast<long>(s.downTimeMs / 60000), s.downTestEnabled ? L"IDT" : L"IDTO");
    WriteValue(file, L"IDP", s.resetProgram, written.get());
    WriteValue(file, L"IDC", s.resetCommandLine, written.get());
    WriteValue(file, L"IDK", s.resetKeystrokes, written.get());
    for (int i = 0; i < kInternetAddressCount; ++i) {
        wchar_t name[8];
        FormatText(name, 8, L"EU%d", i + 1);
        WriteValue(file, name, s.addresses[i], written.get());
    }
    fwprintf(file, L"\n");
}
