#include "presentation/presentation_state.h"

#include "suntimes/sun_times_series.h"

int plotView = kViewPlot;
int DataKind = kDataTime;
double siteLatitude = 40.6883;
double siteLongitude = -75.2164;

int PresentationMode() {
    return DataKind | sunTimesSeries.showLengths;
}
