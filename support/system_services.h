// Services of the operating system that the portable core needs, implemented
// once for Win32 and once for POSIX.
#pragma once

#include "support/platform_types.h"

// The current UTC date and time (GetSystemTime).
void GetUtcSystemTime(SYSTEMTIME* now);
// The current local date and time of the computer's zone (GetLocalTime).
void ReadLocalClock(SYSTEMTIME* now);

// Reads the calling thread's last error code and writes the system's text for
// it (first line only). Returns the length written, 0 when the system has none.
int LastErrorText(wchar_t* buffer, int capacity);
