#include "datetime/local_clock.h"

void ReadLocalClock(SYSTEMTIME* now) {
    GetLocalTime(now);
}
