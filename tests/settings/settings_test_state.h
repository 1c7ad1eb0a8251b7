// The program-wide state that settings and commands change, put back to its
// start values, and a small time zone catalogue to choose zones from.
#pragma once

#include "datetime/date_time_format.h"
#include "presentation/presentation_state.h"
#include "services/search_history.h"
#include "services/tagged_file.h"
#include "services/update_site.h"
#include "settings/program_options.h"
#include "settings/settings_sections.h"
#include "settings/window_positions.h"
#include "support/error_report.h"
#include "suntimes/time_zone_choice.h"
#include "timezones/time_zone_catalogue.h"

inline void ResetSettingsState() {
    statusBarOn = 1;
    exitRequested = 0;
    dateTimeFormat = kDateTimeFormat12;
    siteLatitude = 40.6883;
    siteLongitude = -75.2164;
    ResetPositions();
    ForgetChosenZone();
    ClearSectionFlags();
    ResetTaggedTracking();
    ResetUpdateSite();
    ClearSearchHistory();
    TakePendingError();
}

// Three zones by their key names, and one whose key holds everything a value
// can hold, to prove that any key survives the settings file.
inline void InstallTestZones() {
    TIME_ZONE_INFORMATION zone{};
    BeginTimeZoneCatalogue();
    AddTimeZoneEntry(L"(UTC+09:00) Osaka, Sapporo, Tokyo", L"Tokyo Standard Time", &zone);
    AddTimeZoneEntry(L"(UTC+00:00) Dublin, Edinburgh, Lisbon, London", L"GMT Standard Time", &zone);
    AddTimeZoneEntry(L"(UTC) Coordinated Universal Time", L"UTC", &zone);
    AddTimeZoneEntry(L"(UTC+01:00) Odd", L"Odd; \"Zone\" // \\ caf\u00e9\ttab", &zone);
    FinishTimeZoneCatalogue();
}

inline const wchar_t* kOddZoneKey = L"Odd; \"Zone\" // \\ caf\u00e9\ttab";
