// What the main window shows, kept program-wide: the main window changes it,
// the table, plot and export formatters read it.
#pragma once

#include "suntimes/sun_times_types.h"

// The main display.
enum PlotViewKind { kViewTable = 0, kViewPlot = 1 };

// The presentation modes: DataKind OR the series' lengths flag. Their names
// follow the default file names of the saved results.
enum PresentationModeKind {
    kModeTime = kDataTime,
    kModeVelocity = kDataVelocity,
    kModeAcceleration = kDataAcceleration,
    kModeHours = kShowLengths | kDataTime,
    kModeHourVelocity = kShowLengths | kDataVelocity,
    kModeHourAcceleration = kShowLengths | kDataAcceleration,
};

extern int plotView;         // kViewTable or kViewPlot
extern int DataKind;         // kDataTime, kDataVelocity or kDataAcceleration
extern double siteLatitude;  // degrees, north positive
extern double siteLongitude; // degrees, east positive

// DataKind OR the series' lengths flag: one of PresentationModeKind.
int PresentationMode();
