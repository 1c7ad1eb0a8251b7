// The two Windows records that the sun times engine exchanges with the
// operating system. On Windows they are the real ones; elsewhere they are
// stand-ins with the same fields in the same order and the same integer
// widths, so the portable core reads and writes them the same way.
#pragma once

#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#else
typedef uint16_t WORD;
typedef int32_t LONG;

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

// Names are the platform's wide characters (UTF-32 here, UTF-16 on Windows).
struct TIME_ZONE_INFORMATION {
    LONG Bias;
    wchar_t StandardName[32];
    SYSTEMTIME StandardDate;
    LONG StandardBias;
    wchar_t DaylightName[32];
    SYSTEMTIME DaylightDate;
    LONG DaylightBias;
};
#endif

// The C runtime's broken-down time as the engine keeps it: nine 32-bit
// fields in the runtime's order, independent of the platform's struct tm.
struct BrokenDownTime {
    int32_t tm_sec;
    int32_t tm_min;
    int32_t tm_hour;
    int32_t tm_mday;
    int32_t tm_mon;  // 0-11
    int32_t tm_year; // year - 1900
    int32_t tm_wday; // 0 = Sunday
    int32_t tm_yday; // 0-365
    int32_t tm_isdst;
};
