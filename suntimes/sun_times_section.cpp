#include "suntimes/sun_times_section.h"

#include <cwchar>

#include "presentation/presentation_state.h"
#include "settings/command_text.h"
#include "settings/setting_values.h"
#include "support/error_report.h"
#include "suntimes/batch_commands.h"
#include "suntimes/time_zone_choice.h"

bool sunTimesSectionActive = false;

namespace {

const wchar_t kSunTimesHeader[] = L"[SUNTIMES]";

struct Coordinate {
    const wchar_t* word;
    double* value;
    double limit;
    const wchar_t* message;
};

const Coordinate kCoordinates[] = {
    {L"LATITUDE", &siteLatitude, 90.0, L"Invalid Latitude[-90.0 - 90.0]: %g"},
    {L"LONGITUDE", &siteLongitude, 180.0, L"Invalid Longitude[-180.0 - 180.0]: %g"},
};

// Skips white space, an optional "=" and white space behind a keyword.
const wchar_t* SkipAssignment(const wchar_t* p) {
    p = SkipCommandWhite(p);
    if (*p == L'=') p = SkipCommandWhite(p + 1);
    return p;
}

// A coordinate command behind its word. Returns the position behind the
// number, or null after a report (*failedAt then holds the number's place).
const wchar_t* ReadCoordinate(const Coordinate& coordinate, const wchar_t* p,
                              const wchar_t** failedAt) {
    p = SkipAssignment(p);
    wchar_t* end = nullptr;
    const double value = std::wcstod(p, &end);
    // The comparison is false for a value that is not a number.
    if (!(value >= -coordinate.limit && value <= coordinate.limit)) {
        ReportError(coordinate.message, value);
        *failedAt = p;
        return nullptr;
    }
    *coordinate.value = value;
    return end;
}

const wchar_t* ReadTimeZone(const wchar_t* p, const wchar_t** failedAt) {
    p = SkipAssignment(p);
    wchar_t keyName[kZoneKeyLength];
    const wchar_t* end = p;
    const int taken = ParseSettingValue(p, &end, keyName, kZoneKeyLength);
    *failedAt = p;
    if (taken < 0) return nullptr;
    if (taken > 0) {
        ReportError(L"Missing Timezone Name");
        return nullptr;
    }
    if (!ChooseZoneByKey(keyName)) {
        ReportError(L"Unknown Timezone: %ls", keyName);
        return nullptr;
    }
    return end;
}

} // namespace

void WriteSunTimesSection(FILE* file) {
    if (file == nullptr) return;
    fwprintf(file, L"%ls\nLatitude=%g\nLongitude=%g\n", kSunTimesHeader, siteLatitude,
             siteLongitude);
    if (ChosenZoneKey()[0] != L'\0') {
        wchar_t value[kZoneKeyLength * 10 + 3]; // room for every character escaped
        if (FormatSettingValue(ChosenZoneKey(), true, value, kZoneKeyLength * 10 + 3) >= 0)
            fwprintf(file, L"Timezone=%ls\n", value);
    }
    fwprintf(file, L"\n");
}

int ReadSunTimesSectionLine(const wchar_t* line, const wchar_t** rest) {
    if (rest != nullptr) *rest = line;
    if (line == nullptr) return 0;
    if (CheckSectionHeader(line, kSunTimesHeader, &sunTimesSectionActive, rest)) return 0;
    if (!sunTimesSectionActive) return 0;
    return ParseSunTimesCommand(line, rest) < 0 ? -1 : 0;
}

int ParseSunTimesCommand(const wchar_t* text, const wchar_t** rest) {
    if (rest != nullptr) *rest = text;
    if (text == nullptr) return 0;
    int result = 0;
    const wchar_t* p = SkipCommandWhite(text);
    while (*p != L'\0') {
        const wchar_t* start = p;
        const wchar_t* failedAt = p;
        const wchar_t* after = nullptr;
        bool command = false;
        if (IsCommentStart(p)) {
            p = SkipComment(p);
        } else if (*p == L';') {
            ++p;
        } else if (StartsWithCommandWord(p, L"TIMEZONE")) {
            command = true;
            after = ReadTimeZone(p + 8, &failedAt);
        } else if (ParseBatchCommand(p, &after, &failedAt)) {
            command = true;
        } else {
            for (const Coordinate& coordinate : kCoordinates) {
                if (StartsWithCommandWord(p, coordinate.word)) {
                    command = true;
                    after = ReadCoordinate(coordinate, p + std::wcslen(coordinate.word), &failedAt);
                    break;
                }
            }
        }
        if (command) {
            if (after == nullptr) {
                if (rest != nullptr) *rest = failedAt;
                return -2;
            }
            p = after;
            result = kSunTimesCommandDone;
        }
        p = SkipCommandWhite(p);
        if (p == start) break;
    }
    if (rest != nullptr) *rest = p;
    return result;
}
