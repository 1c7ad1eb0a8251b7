// The command-line tool's work: arguments, the year's computation, the CSV.
#pragma once

#include <cstdio>
#include <string>

#include "suntimes/sun_times_types.h"

struct YearRequest {
    double latitude = 0.0;
    double longitude = 0.0;
    int year = -1;
    bool haveZoneName = false;
    std::wstring zoneName;
    bool haveBias = false;
    int bias = 0;
};

// Parses the arguments after the program name. False with a message in
// `error` when they are not usable.
bool ParseYearArguments(int count, const wchar_t* const* args, YearRequest* request,
                        std::wstring* error);

// The zone of the request for its year: one record for the year, or several
// with the record that applies to each day (see zone_argument_*.cpp).
struct YearZones {
    int recordCount = 0;
    TIME_ZONE_INFORMATION records[8];
    unsigned char recordOfDay[kSeriesDays] = {};
};
bool ResolveZone(const YearRequest& request, YearZones* zones, std::wstring* error);
// A fixed offset in minutes west of UTC: one record without daylight time.
bool FixedBiasZone(int bias, YearZones* zones);

// Computes the year into `days` (index = day of year); returns the last day
// index, or 0 after the engine reported an error.
int ComputeYear(const YearRequest& request, const YearZones& zones, SunTimesRecord* days);

// Writes the CSV header and one line per day.
void WriteYearCsv(FILE* out, const SunTimesRecord* days, int lastDayIndex);

// Runs the tool: 0 success, 1 engine failure, 2 bad arguments.
int RunYearTool(int count, const wchar_t* const* args);
