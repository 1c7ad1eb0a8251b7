// The computer's local clock, read through the platform.
#pragma once

#include "support/platform_types.h"

// The local date and time as GetLocalTime gives it: wDayOfWeek 0 = Sunday,
// wMilliseconds 0 to 999.
void ReadLocalClock(SYSTEMTIME* now);
