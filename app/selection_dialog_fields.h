// The latitude and longitude fields of the selection dialog: what the user
// types is filtered into a number on every change and takes effect in the
// program-wide place at once; Enter in either field displays the sun times.
// Windows only.
#pragma once

#include "support/platform_types.h"

// Writes siteLatitude and siteLongitude into the fields. The text stands for
// the value as written; the program's own writing does not alter the place.
void WriteCoordinateFields(HWND dialog);

// EN_CHANGE of either field: filter the text, beep for each refused
// character, set the place, and put the corrected text and caret back.
void OnCoordinateFieldChange(HWND dialog, int fieldId);

// Lets both fields turn Enter into the "Display Sun Times" command without a
// beep and without the dialog's default button; removed with the fields.
void SubclassCoordinateFields(HWND dialog);
