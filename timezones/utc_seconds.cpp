#include "timezones/utc_seconds.h"

namespace {

int64_t FloorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

const int kDaysBeforeMonth[2][12] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335},
};

bool IsLeap(int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

// Days from civil after H. Hinnant's algorithm (era of 400 years).
int64_t DaysFromCivil(int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = FloorDiv(year, 400);
    const int64_t yoe = year - era * 400;
    const int64_t mp = (month + 9) % 12;
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t days, int64_t* year, int* month, int* day) {
    days += 719468;
    const int64_t era = FloorDiv(days, 146097);
    const int64_t doe = days - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    *day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    *month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    *year = yoe + era * 400 + (*month <= 2 ? 1 : 0);
}

int64_t CivilToUtcSeconds(BrokenDownTime* time) {
    // As _mkgmtime64: the year must be near the range before the month is
    // folded into it, and again after.
    if (time->tm_year < 69 || time->tm_year > 1101) return -1;
    // Normalise the month into the year first, then let days absorb the rest.
    int64_t year = static_cast<int64_t>(time->tm_year) + 1900 + FloorDiv(time->tm_mon, 12);
    int month0 = static_cast<int>(time->tm_mon - FloorDiv(time->tm_mon, 12) * 12);
    if (year < 1969 || year > 3001) return -1;
    int64_t days = DaysFromCivil(year, month0 + 1, 1) + static_cast<int64_t>(time->tm_mday) - 1;
    int64_t seconds = days * 86400 + static_cast<int64_t>(time->tm_hour) * 3600 +
                      static_cast<int64_t>(time->tm_min) * 60 + time->tm_sec;
    if (seconds < 0 || seconds > kLastClockSecond) return -1;
    UtcSecondsToCivil(seconds, time);
    return seconds;
}

bool UtcSecondsToCivil(int64_t seconds, BrokenDownTime* time) {
    if (seconds < 0 || seconds > kLastClockSecond) return false;
    int64_t days = seconds / 86400;
    int64_t rest = seconds % 86400;
    int64_t year = 0;
    int month = 0, day = 0;
    CivilFromDays(days, &year, &month, &day);
    time->tm_sec = static_cast<int32_t>(rest % 60);
    time->tm_min = static_cast<int32_t>(rest / 60 % 60);
    time->tm_hour = static_cast<int32_t>(rest / 3600);
    time->tm_mday = day;
    time->tm_mon = month - 1;
    time->tm_year = static_cast<int32_t>(year - 1900);
    time->tm_wday = static_cast<int32_t>((days + 4) % 7); // 1970-01-01 was a Thursday
    time->tm_yday = kDaysBeforeMonth[IsLeap(year) ? 1 : 0][month - 1] + day - 1;
    time->tm_isdst = 0;
    return true;
}

int64_t SystemTimeToSeconds(const SYSTEMTIME* time) {
    return DaysFromCivil(time->wYear, time->wMonth, time->wDay) * 86400 + time->wHour * 3600 +
           time->wMinute * 60 + time->wSecond;
}

void SecondsToSystemTime(int64_t seconds, SYSTEMTIME* time) {
    int64_t days = FloorDiv(seconds, 86400);
    int64_t rest = seconds - days * 86400;
    int64_t year = 0;
    int month = 0, day = 0;
    CivilFromDays(days, &year, &month, &day);
    time->wYear = static_cast<WORD>(year);
    time->wMonth = static_cast<WORD>(month);
    time->wDay = static_cast<WORD>(day);
    time->wDayOfWeek = static_cast<WORD>(((days + 4) % 7 + 7) % 7);
    time->wHour = static_cast<WORD>(rest / 3600);
    time->wMinute = static_cast<WORD>(rest / 60 % 60);
    time->wSecond = static_cast<WORD>(rest % 60);
    time->wMilliseconds = 0;
}
