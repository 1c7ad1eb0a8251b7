#include "datetime/local_clock.h"

#include <ctime>

void ReadLocalClock(SYSTEMTIME* now) {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm local{};
    localtime_r(&ts.tv_sec, &local);
    now->wYear = static_cast<WORD>(local.tm_year + 1900);
    now->wMonth = static_cast<WORD>(local.tm_mon + 1);
    now->wDayOfWeek = static_cast<WORD>(local.tm_wday);
    now->wDay = static_cast<WORD>(local.tm_mday);
    now->wHour = static_cast<WORD>(local.tm_hour);
    now->wMinute = static_cast<WORD>(local.tm_min);
    now->wSecond = static_cast<WORD>(local.tm_sec);
    now->wMilliseconds = static_cast<WORD>(ts.tv_nsec / 1000000);
}
