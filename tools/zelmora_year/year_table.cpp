#include "tools/zelmora_year/year_table.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "support/bounded_format.h"
#include "support/error_report.h"
#include "suntimes/calendar.h"
#include "suntimes/sun_times_series.h"
#include "timezones/utc_seconds.h"

namespace {

const wchar_t kUsage[] =
    L"usage: zelmora-year --lat DEG --lon DEG [--year YYYY] (--tz NAME | --bias MINUTES)";

bool ParseNumber(const wchar_t* text, double* value) {
    if (text == nullptr || *text == L'\0') return false;
    wchar_t* end = nullptr;
    errno = 0;
    double parsed = std::wcstod(text, &end);
    if (errno != 0 || end == text || *end != L'\0' || parsed != parsed) return false;
    *value = parsed;
    return true;
}

bool ParseWhole(const wchar_t* text, long lowest, long highest, int* value) {
    if (text == nullptr || *text == L'\0') return false;
    wchar_t* end = nullptr;
    errno = 0;
    long parsed = std::wcstol(text, &end, 10);
    if (errno != 0 || *end != L'\0' || parsed < lowest || parsed > highest) return false;
    *value = static_cast<int>(parsed);
    return true;
}

std::wstring Message(const wchar_t* format, const wchar_t* value) {
    wchar_t text[512];
    FormatText(text, 512, format, value);
    return text;
}

} // namespace

bool ParseYearArguments(int count, const wchar_t* const* args, YearRequest* request,
                        std::wstring* error) {
    bool haveLatitude = false, haveLongitude = false;
    for (int i = 0; i < count; ++i) {
        const wchar_t* option = args[i];
        const wchar_t* value = i + 1 < count ? args[i + 1] : nullptr;
        if (std::wcscmp(option, L"--help") == 0 || std::wcscmp(option, L"-h") == 0) {
            *error = kUsage;
            return false;
        }
        bool known = std::wcscmp(option, L"--lat") == 0 || std::wcscmp(option, L"--lon") == 0 ||
                     std::wcscmp(option, L"--year") == 0 || std::wcscmp(option, L"--tz") == 0 ||
                     std::wcscmp(option, L"--bias") == 0;
        if (!known) {
            *error = Message(L"unknown argument \"%ls\"", option);
            return false;
        }
        if (value == nullptr) {
            *error = Message(L"%ls needs a value", option);
            return false;
        }
        ++i;
        if (std::wcscmp(option, L"--lat") == 0) {
            if (!ParseNumber(value, &request->latitude) || request->latitude < -90.0 ||
                request->latitude > 90.0) {
                *error = Message(L"--lat takes degrees from -90 to 90, not \"%ls\"", value);
                return false;
            }
            haveLatitude = true;
        } else if (std::wcscmp(option, L"--lon") == 0) {
            if (!ParseNumber(value, &request->longitude) || request->longitude < -180.0 ||
                request->longitude > 180.0) {
                *error = Message(L"--lon takes degrees from -180 to 180, not \"%ls\"", value);
                return false;
            }
            haveLongitude = true;
        } else if (std::wcscmp(option, L"--year") == 0) {
            if (!ParseWhole(value, 1970, 3000, &request->year)) {
                *error = Message(L"--year takes a year from 1970 to 3000, not \"%ls\"", value);
                return false;
            }
        } else if (std::wcscmp(option, L"--tz") == 0) {
            if (*value == L'\0') {
                *error = L"--tz needs a zone name";
                return false;
            }
            request->haveZoneName = true;
            request->zoneName = value;
        } else {
            // Minutes west of UTC, as Windows counts them: 300 is UTC-05:00.
            if (!ParseWhole(value, -1440, 1440, &request->bias)) {
                *error = Message(L"--bias takes minutes from -1440 to 1440, not \"%ls\"", value);
                return false;
            }
            request->haveBias = true;
        }
    }
    if (!haveLatitude || !haveLongitude) {
        *error = L"--lat and --lon are required";
        return false;
    }
    if (request->haveZoneName == request->haveBias) {
        *error = L"give exactly one of --tz and --bias";
        return false;
    }
    return true;
}

int ComputeYear(const YearRequest& request, const YearZones& zones, SunTimesRecord* days) {
    const int year = request.year < 0 ? CurrentUtcYear() : request.year;
    int lastDayIndex = 0;
    // Velocities and lengths do not depend on the zone; only the local
    // times do, so each day is taken from the series of the record that
    // applies to it.
    for (int r = 0; r < zones.recordCount; ++r) {
        lastDayIndex =
            CalcSunTimesSeries(year, &zones.records[r], request.latitude, request.longitude);
        if (lastDayIndex == 0) return 0;
        for (int d = 0; d <= lastDayIndex; ++d)
            if (zones.recordOfDay[d] == r) days[d] = sunTimesSeries.records[d];
    }
    return lastDayIndex;
}

void WriteYearCsv(FILE* out, const SunTimesRecord* days, int lastDayIndex) {
    static const wchar_t* const kNames[kSunEventCount] = {L"dawn", L"sunrise", L"sunset", L"dusk"};
    wchar_t line[2048];
    char narrow[2048];
    auto emit = [&]() {
        // Every character written is ASCII.
        size_t n = 0;
        for (; line[n] != L'\0' && n + 1 < sizeof narrow; ++n)
            narrow[n] = static_cast<char>(line[n]);
        narrow[n++] = '\n';
        std::fwrite(narrow, 1, n, out);
    };
    int length = 0;
    line[0] = L'\0';
    AppendText(line, 2048, length, L"date");
    for (const wchar_t* name : kNames)
        AppendText(line, 2048, length,
                   L",%ls_utc,%ls_polar,%ls_local,%ls_velocity,%ls_acceleration,%ls_length,"
                   L"%ls_length_velocity,%ls_length_acceleration",
                   name, name, name, name, name, name, name, name);
    emit();
    for (int d = 0; d <= lastDayIndex; ++d) {
        const SunTimesRecord& r = days[d];
        length = 0;
        line[0] = L'\0';
        AppendText(line, 2048, length, L"%04d-%02d-%02d", r.year, r.month, r.day);
        for (const SunEvent& e : r.events) {
            // Seconds after 00:00 UTC of the date.
            long long utcMidnight = DaysFromCivil(r.year, r.month, r.day) * 86400LL;
            AppendText(line, 2048, length, L",%lld,%d,%d:%02d:%02d,%d,%d,%.6f,%d,%d",
                       static_cast<long long>(e.utcTime) - utcMidnight, e.polarState,
                       e.localTm.tm_hour, e.localTm.tm_min, e.localTm.tm_sec, e.velocity,
                       e.acceleration, e.length, e.lengthVelocity, e.lengthAcceleration);
        }
        emit();
    }
}

int RunYearTool(int count, const wchar_t* const* args) {
    YearRequest request;
    std::wstring error;
    if (!ParseYearArguments(count, args, &request, &error)) {
        std::fwprintf(stderr, L"zelmora-year: %ls\n%ls\n", error.c_str(), kUsage);
        return 2;
    }
    if (request.year < 0) request.year = CurrentUtcYear();
    YearZones zones;
    if (!ResolveZone(request, &zones, &error)) {
        std::fwprintf(stderr, L"zelmora-year: %ls\n", error.c_str());
        return 2;
    }
    static SunTimesRecord days[kSeriesDays];
    SYSTEMTIME first{}, last{};
    first.wYear = last.wYear = static_cast<WORD>(request.year);
    first.wMonth = first.wDay = 1;
    last.wMonth = 12;
    last.wDay = 31;
    SetSunTimesDateRange(first, last);
    int lastDayIndex = ComputeYear(request, zones, days);
    if (lastDayIndex == 0) {
        ErrorState state = TakePendingError();
        std::fwprintf(stderr, L"zelmora-year: %ls\n", state.message);
        return 1;
    }
    WriteYearCsv(stdout, days, lastDayIndex);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
