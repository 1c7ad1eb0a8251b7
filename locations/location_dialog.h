// The location selection dialog: a modal dialog in which a place is picked
// from the built-in location table, by category. What it picked is left in
// locationChoice (locations/location_choice.h) for the caller to take.
// Windows only.
#pragma once

#include "support/platform_types.h"

// Runs the dialog over its owner until "Done" (IDC_LOC_DONE) or "Cancel"
// (IDCANCEL) ends it, and returns that button. When the dialog cannot be
// shown, the failure is reported, nothing is chosen, and the result is -1.
INT_PTR RunLocationDialog(HWND owner);
