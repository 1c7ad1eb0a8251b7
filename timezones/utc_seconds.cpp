#include "timezones/utc_seconds.h"

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
    time->tm_yday = static_cast<int32_t>(days - DaysFromCivil(year, 1, 1));
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
