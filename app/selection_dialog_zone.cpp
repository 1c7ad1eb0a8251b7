#include "app/selection_dialog_zone.h"

TimeZoneEntry* ZoneEntryAtIndex(int index) {
    if (index < 0) return nullptr;
    TimeZoneEntry* entry = timeZoneCatalogue.head;
    for (int i = 0; entry != nullptr && i < index; ++i)
        entry = entry->next;
    return entry;
}

const TIME_ZONE_INFORMATION* ZoneAtIndex(int index) {
    TimeZoneEntry* entry = ZoneEntryAtIndex(index);
    timeZoneCatalogue.selectedZone = entry;
    return entry != nullptr ? &entry->zone : nullptr;
}
