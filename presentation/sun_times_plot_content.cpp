#include "presentation/sun_times_plot_content.h"

#include <cwchar>

#include "presentation/presentation_state.h"
#include "presentation/sun_times_table.h"
#include "support/bounded_format.h"
#include "suntimes/solar_events.h"
#include "timezones/time_zone_catalogue.h"

namespace {

const wchar_t* PlotKindTitle(int mode) {
    switch (mode) {
    case kModeTime:
        return L"Time of Day";
    case kModeVelocity:
        return L"Velocity: Time Delta: Sec/Day)";
    case kModeAcceleration:
        return L"Acceleration: Time Velocity Delta: Sec*Sec/Day";
    case kModeHours:
        return L"Length in Hours";
    case kModeHourVelocity:
        return L"Velocity: Hours Delta: Sec/Day";
    case kModeHourAcceleration:
        return L"Acceleration: Hour Velocity Delta: Sec*Sec/Day";
    default:
        return L"";
    }
}

} // namespace

int FormatPlotLegendLine(wchar_t* buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0) return 0;
    int length = FormatDisplayTitle(buffer, capacity);
    // The shared title ends its line for the text views; a drawn line has no end.
    while (length > 0 && (buffer[length - 1] == L'\n' || buffer[length - 1] == L'\r'))
        buffer[--length] = L'\0';
    return length;
}

int FormatPlotPlaceLine(wchar_t* buffer, int capacity) {
    return FormatText(buffer, capacity,
                      L"Latitude = %g, Longitude = %g  Black(Never Rises) Gray(Never Sets)",
                      siteLatitude, siteLongitude);
}

int FormatPlotKindLine(wchar_t* buffer, int capacity) {
    wchar_t zone[kPlotTitleLength];
    FormatZoneOffset(&currentZone, zone, kPlotTitleLength);
    return FormatText(buffer, capacity, L"%ls  Timezone = %ls", PlotKindTitle(PresentationMode()),
                      zone);
}

bool PlotPointValue(const SunEvent& event, int mode, double* value) {
    switch (mode) {
    case kModeTime:
        *value =
            event.localTm.tm_hour + event.localTm.tm_min / 60.0 + event.localTm.tm_sec / 3600.0;
        return true;
    case kModeVelocity:
        *value = event.velocity;
        return true;
    case kModeAcceleration:
        *value = event.acceleration;
        return true;
    case kModeHours:
        *value = event.length;
        return true;
    case kModeHourVelocity:
        *value = event.lengthVelocity;
        return true;
    case kModeHourAcceleration:
        *value = event.lengthAcceleration;
        return true;
    default:
        return false;
    }
}

PlotColor PlotPointColor(int slot, int32_t polarState) {
    static const PlotColor kSlotColors[kSunEventCount] = {
        {255, 0, 0},   // Dawn, Dawn-Dusk: red
        {255, 160, 0}, // Sunrise, Daylight: orange
        {0, 240, 255}, // Sunset, Night: cyan
        {0, 0, 255},   // Dusk, Dusk-Dawn: blue
    };
    if (polarState > 0) return {0, 0, 0};
    if (polarState < 0) return {175, 175, 175};
    if (slot < 0 || slot >= kSunEventCount) return {0, 0, 0};
    return kSlotColors[slot];
}
