#include "support/system_services.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <cwchar>

#include "support/bounded_format.h"

namespace {

// The clock now, broken down by gmtime_r or localtime_r.
void ReadClock(SYSTEMTIME* now, tm* (*breakDown)(const time_t*, tm*)) {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm fields{};
    breakDown(&ts.tv_sec, &fields);
    now->wYear = static_cast<WORD>(fields.tm_year + 1900);
    now->wMonth = static_cast<WORD>(fields.tm_mon + 1);
    now->wDayOfWeek = static_cast<WORD>(fields.tm_wday);
    now->wDay = static_cast<WORD>(fields.tm_mday);
    now->wHour = static_cast<WORD>(fields.tm_hour);
    now->wMinute = static_cast<WORD>(fields.tm_min);
    now->wSecond = static_cast<WORD>(fields.tm_sec);
    now->wMilliseconds = static_cast<WORD>(ts.tv_nsec / 1000000);
}

} // namespace

void GetUtcSystemTime(SYSTEMTIME* now) {
    ReadClock(now, gmtime_r);
}

void ReadLocalClock(SYSTEMTIME* now) {
    ReadClock(now, localtime_r);
}

int LastErrorText(wchar_t* buffer, int capacity) {
    int code = errno;
    if (code == 0 || capacity <= 0) return 0;
    char text[256];
    const char* message = strerror_r(code, text, sizeof text);
    int written = FormatText(buffer, capacity, L"%s.", message);
    return written < 0 ? static_cast<int>(wcslen(buffer)) : written;
}
