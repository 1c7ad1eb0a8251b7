// The sun times selection dialog: the modeless control panel beside the main
// window where the place, the time zone, the dates and the four shown
// quantities are chosen. Every change recomputes the series and repaints the
// main window at once. At most one exists; it is owned by mainWindow.
// Windows only.
#pragma once

#include "app/selection_dialog_zone.h"
#include "support/platform_types.h"

// Creates the dialog from its template when none is open, else restores it.
void OpenSelectionDialog();

// The open dialog, or null when it is closed.
HWND SelectionDialogWindow();

// Sets the four check boxes from the series' showEvent, names them for the
// series' showLengths, and enables or disables them together with "Todays
// Date", "Entire Year" and "Display Sun Times". Nothing when the dialog is closed.
void RefreshSelectionControls(bool enabled);

// Shows the dates in the two date pickers without a change notification, so
// nothing is recomputed (zoom and pan have done that). Nothing when closed.
void SetSelectionDialogDates(const SYSTEMTIME& start, const SYSTEMTIME& end);

// Restores the open dialog and places it again from its remembered position,
// or at the main window's right edge when none is remembered.
// After the year moved on (past New Year): the pickers' limits follow the
// year bounds and show the range.
void FollowYearInSelectionDialog();
void PlaceSelectionDialogAgain();

// After commands changed the place or the zone: the open dialog shows them
// and computes. Nothing when the dialog is closed.
void ShowSelectionsInDialog();
