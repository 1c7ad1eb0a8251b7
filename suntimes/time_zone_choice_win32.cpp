#include "suntimes/time_zone_choice.h"

#include "timezones/time_zone_catalogue.h"
#include "timezones/time_zone_registry.h"

void EnsureZoneCatalogue() {
    if (timeZoneCatalogue.head == nullptr) LoadTimeZoneCatalogue();
}
