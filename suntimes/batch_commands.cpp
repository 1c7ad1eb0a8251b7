#include "suntimes/batch_commands.h"

#include <cwchar>
#include <cwctype>

#include "presentation/presentation_state.h"
#include "settings/command_text.h"
#include "settings/setting_values.h"
#include "support/error_report.h"
#include "support/gregorian.h"
#include "suntimes/calendar.h"
#include "support/text_case.h"

BatchActions batchActions = {};

namespace {

enum { kValueLength = 260 };

struct Word {
    const wchar_t* text;
    int value;
};

const Word kModes[] = {
    {L"TIME", kModeTime},
    {L"VELOCITY", kModeVelocity},
    {L"ACCELERATION", kModeAcceleration},
    {L"HOURS", kModeHours},
    {L"HOUR_VELOCITY", kModeHourVelocity},
    {L"HOUR_ACCELERATION", kModeHourAcceleration},
};
const Word kViews[] = {{L"TABLE", kViewTable}, {L"PLOT", kViewPlot}};

// The value behind a command word and its optional "=". Null after a report
// (a missing value is reported with `invalid`).
const wchar_t* ReadValue(const wchar_t* p, wchar_t* value, const wchar_t* invalid) {
    p = SkipCommandWhite(p);
    if (*p == L'=') p = SkipCommandWhite(p + 1);
    const wchar_t* end = p;
    const int taken = ParseSettingValue(p, &end, value, kValueLength);
    if (taken < 0) return nullptr;
    if (taken > 0) {
        ReportError(invalid, L"");
        return nullptr;
    }
    return end;
}

// One of the words of a table, or an "Invalid ..." report.
const wchar_t* ReadWord(const wchar_t* p, const Word* words, int count, const wchar_t* invalid,
                        int* found) {
    wchar_t value[kValueLength];
    const wchar_t* end = ReadValue(p, value, invalid);
    if (end == nullptr) return nullptr;
    for (int i = 0; i < count; ++i) {
        if (EqualIgnoringCase(value, words[i].text)) {
            *found = words[i].value;
            return end;
        }
    }
    ReportError(invalid, value);
    return nullptr;
}

// "M/D-M/D": four numbers of one or two digits, nothing else, and dates
// that the year has.
bool ReadDates(const wchar_t* text, int year, int* numbers) {
    const wchar_t after[] = {L'/', L'-', L'/', L'\0'};
    const wchar_t* p = text;
    for (int i = 0; i < 4; ++i) {
        int digits = 0, n = 0;
        for (; std::iswdigit(*p) && digits < 3; ++p, ++digits)
            n = n * 10 + (*p - L'0');
        if (digits == 0 || digits > 2 || *p != after[i]) return false;
        numbers[i] = n;
        if (i < 3) ++p;
    }
    for (int i = 0; i < 4; i += 2)
        if (numbers[i] < 1 || numbers[i] > 12 || numbers[i + 1] < 1 ||
            numbers[i + 1] > DaysInMonth(year, numbers[i]))
            return false;
    return true;
}

const wchar_t* RunDates(const wchar_t* p) {
    const wchar_t* invalid = L"Invalid DATES value: %ls (M/D-M/D within the year, or ALL)";
    wchar_t value[kValueLength];
    const wchar_t* end = ReadValue(p, value, invalid);
    if (end == nullptr) return nullptr;
    if (EqualIgnoringCase(value, L"ALL")) {
        if (batchActions.setWholeYear != nullptr) batchActions.setWholeYear();
        return end;
    }
    const int year =
        batchActions.currentYear != nullptr ? batchActions.currentYear() : CurrentUtcYear();
    int n[4];
    if (!ReadDates(value, year, n)) {
        ReportError(invalid, value);
        return nullptr;
    }
    if (batchActions.setDates != nullptr) batchActions.setDates(n[0], n[1], n[2], n[3]);
    return end;
}

} // namespace

bool ParseBatchCommand(const wchar_t* p, const wchar_t** after, const wchar_t** failedAt) {
    *failedAt = p;
    int found = 0;
    if (StartsWithCommandWord(p, L"DATA")) {
        *after = ReadWord(p + 4, kModes, 6,
                          L"Invalid DATA value: %ls (TIME, VELOCITY, ACCELERATION, HOURS, "
                          L"HOUR_VELOCITY, HOUR_ACCELERATION)",
                          &found);
        if (*after != nullptr && batchActions.setMode != nullptr) batchActions.setMode(found);
    } else if (StartsWithCommandWord(p, L"DATES")) {
        *after = RunDates(p + 5);
    } else if (StartsWithCommandWord(p, L"VIEW")) {
        *after = ReadWord(p + 4, kViews, 2, L"Invalid VIEW value: %ls (TABLE, PLOT)", &found);
        if (*after != nullptr && batchActions.setView != nullptr) batchActions.setView(found);
    } else if (StartsWithCommandWord(p, L"SAVEAS")) {
        wchar_t path[kValueLength];
        *after = ReadValue(p + 6, path, L"Invalid SAVEAS value: %ls (a file name)");
        if (*after != nullptr && batchActions.saveAs != nullptr) batchActions.saveAs(path);
    } else if (StartsWithCommandWord(p, L"PRINT")) {
        *after = p + 5;
        if (batchActions.print != nullptr) batchActions.print();
    } else {
        return false;
    }
    return true;
}
