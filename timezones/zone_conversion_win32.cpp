#include "timezones/zone_conversion.h"

#include <ctime>
#include <cstring>

void ReadComputerZone(TIME_ZONE_INFORMATION* zone) {
    _tzset();
    GetTimeZoneInformation(zone);
}

bool UtcToZoneLocal(const TIME_ZONE_INFORMATION* zone, const SYSTEMTIME* utc, SYSTEMTIME* local) {
    return SystemTimeToTzSpecificLocalTime(zone, utc, local) != 0;
}

namespace {
void CopyTm(const tm& from, BrokenDownTime* to) {
    to->tm_sec = from.tm_sec;
    to->tm_min = from.tm_min;
    to->tm_hour = from.tm_hour;
    to->tm_mday = from.tm_mday;
    to->tm_mon = from.tm_mon;
    to->tm_year = from.tm_year;
    to->tm_wday = from.tm_wday;
    to->tm_yday = from.tm_yday;
    to->tm_isdst = from.tm_isdst;
}
} // namespace

int64_t MakeUtcSeconds(BrokenDownTime* time) {
    tm value{};
    value.tm_sec = time->tm_sec;
    value.tm_min = time->tm_min;
    value.tm_hour = time->tm_hour;
    value.tm_mday = time->tm_mday;
    value.tm_mon = time->tm_mon;
    value.tm_year = time->tm_year;
    value.tm_isdst = time->tm_isdst;
    __time64_t seconds = _mkgmtime64(&value);
    if (seconds != -1) CopyTm(value, time);
    return seconds;
}

bool BreakDownUtcSeconds(int64_t seconds, BrokenDownTime* time) {
    tm value{};
    __time64_t when = seconds;
    if (_gmtime64_s(&value, &when) != 0) return false;
    CopyTm(value, time);
    return true;
}
