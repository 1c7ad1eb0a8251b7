#include "suntimes/calendar.h"

#include "support/error_report.h"
#include "support/system_services.h"
#include "suntimes/sun_times_series.h"

const unsigned char* currentMonthLengths = MonthLengthsCommon;
int32_t currentLastDayIndex = 364;

void DecideLeapYear(int32_t year) {
    bool leap = IsLeapYear(year);
    currentMonthLengths = leap ? MonthLengthsLeap : MonthLengthsCommon;
    currentLastDayIndex = leap ? 365 : 364;
}

int32_t CurrentUtcYear() {
    SYSTEMTIME now;
    GetUtcSystemTime(&now);
    return now.wYear;
}

namespace {
int32_t ResolveYear(int32_t year) {
    return year < 0 ? CurrentUtcYear() : year;
}

// Month and day of a valid day index of the decided year.
void WalkMonths(int32_t yearDay, int32_t* month, int32_t* day) {
    int32_t m = 0;
    while (m < 11 && yearDay - currentMonthLengths[m] >= 0)
        yearDay -= currentMonthLengths[m++];
    *month = m + 1;
    *day = yearDay + 1;
}
} // namespace

int MonthDayToYearDay(int32_t month, int32_t day, int32_t year, int32_t* yearDay) {
    if (month < 1 || month > 12) {
        ReportError(L"Invalid Month: %d", month);
        return 0;
    }
    DecideLeapYear(ResolveYear(year));
    if (day < 1 || day > currentMonthLengths[month - 1]) {
        ReportError(L"Invalid Month Day: %d", day);
        return 0;
    }
    if (yearDay != nullptr) {
        int32_t sum = day - 1;
        for (int32_t m = 0; m < month - 1; ++m)
            sum += currentMonthLengths[m];
        *yearDay = sum;
    }
    return 1;
}

int YearDayToMonthDay(int32_t year, int32_t yearDay, WORD* month, WORD* day) {
    DecideLeapYear(ResolveYear(year));
    if (yearDay < 0 || yearDay > currentLastDayIndex) {
        ReportError(L"Invalid yearday: %d", yearDay);
        return 0;
    }
    int32_t m = 0, d = 0;
    WalkMonths(yearDay, &m, &d);
    if (month != nullptr) *month = static_cast<WORD>(m);
    if (day != nullptr) *day = static_cast<WORD>(d);
    return 1;
}

int YearDayToMonthDayClamped(int32_t year, int32_t yearDay, int32_t* month, int32_t* day) {
    DecideLeapYear(ResolveYear(year));
    if (yearDay < 0) {
        ReportError(L"Invalid yearday: %d", yearDay);
        return 0;
    }
    int32_t m = 12, d = 31;
    if (yearDay <= currentLastDayIndex) WalkMonths(yearDay, &m, &d);
    if (month != nullptr) *month = m;
    if (day != nullptr) *day = d;
    return 1;
}

int SetSunTimesDateRange(SYSTEMTIME start, SYSTEMTIME end) {
    SunTimesSeries& series = sunTimesSeries;
    int32_t startDay = 0, endDay = 0;
    if (!MonthDayToYearDay(start.wMonth, start.wDay, start.wYear, &startDay)) {
        ReportError(L"Invalid Start Date");
        series.dayCount = 0;
        return 0;
    }
    series.startDay = startDay;
    if (!MonthDayToYearDay(end.wMonth, end.wDay, start.wYear, &endDay)) {
        ReportError(L"Invalid End Date");
        series.dayCount = 0;
        return 0;
    }
    series.endDay = endDay;
    if (series.endDay < series.startDay) {
        int32_t swap = series.startDay;
        series.startDay = series.endDay;
        series.endDay = swap;
    }
    series.dayCount = series.endDay - series.startDay + 1;
    return series.dayCount;
}
