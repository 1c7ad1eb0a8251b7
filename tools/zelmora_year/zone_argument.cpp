#include <cstring>

#include "tools/zelmora_year/year_table.h"

// A fixed offset: one record without daylight time for every day.
bool FixedBiasZone(int bias, YearZones* zones) {
    std::memset(&zones->records[0], 0, sizeof zones->records[0]);
    zones->records[0].Bias = bias;
    zones->recordCount = 1;
    std::memset(zones->recordOfDay, 0, sizeof zones->recordOfDay);
    return true;
}
