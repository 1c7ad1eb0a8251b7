// The computation that every selection ends in: the series of the current
// year for the chosen place and zone, and the range of days shown.
// Windows only.
#pragma once

// Recomputes the series for the current year in the chosen zone (following
// the year past New Year first). Returns what CalcSunTimesSeries returns.
int RecomputeSeries();
// Shows days [startDay, endDay] of the year: converts them back into the
// range dates, shows them in the selection dialog, recomputes and redraws.
// False (with a report) when no time zone is chosen or a day does not convert.
bool ApplyRange(int startDay, int endDay);

// After commands ran (a command file, the command line): a zone that a
// TIMEZONE command chose becomes the zone computed with, and the selections
// are shown and computed again.
void ApplyCommandSelections();
