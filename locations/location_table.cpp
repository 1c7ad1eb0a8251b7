#include "locations/location_table.h"

LocationRowKind KindOfLocationRow(const LocationEntry& row) {
    if (row.latitude == -1.0 || row.longitude == -1.0) return kLocationEnd;
    if (row.latitude != 0.0 || row.longitude != 0.0) return kLocationPlace;
    return row.name != nullptr && row.name[0] != L'\0' ? kLocationHeader : kLocationBlank;
}
