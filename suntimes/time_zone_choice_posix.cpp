#include "suntimes/time_zone_choice.h"

// The native build has no registry of zones: the catalogue holds what the
// caller put in it.
void EnsureZoneCatalogue() {}
