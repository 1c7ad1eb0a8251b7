// What the main window shows, kept program-wide: the main window changes it,
// the table, plot and export formatters read it.
#pragma once

extern int plotView;         // 0 the table, 1 the plot
extern int DataKind;         // kDataTime, kDataVelocity or kDataAcceleration
extern double siteLatitude;  // degrees, north positive
extern double siteLongitude; // degrees, east positive

// DataKind OR the series' lengths flag: 1, 2, 4 (event times, their velocity,
// their acceleration) or 9, 10, 12 (period lengths and theirs).
int PresentationMode();
