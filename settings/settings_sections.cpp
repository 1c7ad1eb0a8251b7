#include "settings/settings_sections.h"

#include "datetime/date_time_format.h"
#include "services/help_section.h"
#include "settings/display_positions_section.h"
#include "settings/options_section.h"
#include "suntimes/sun_times_section.h"

// [INTERNET], [LOG_ERRORS] and [HELP] join here when the internet test, the
// error log and the help window bring their handlers, parsers and writers.
const SettingsSectionEntry kSettingsSections[kSectionCount] = {
    {&optionsSectionActive, ReadOptionsSectionLine, ParseOptionsCommand, WriteOptionsSection},
    {&displayPositionsSectionActive, ReadPositionsSectionLine, ParsePositionCommand,
     WritePositionsSection},
    {&dateTimeSectionActive, ReadDateTimeSectionLine, ParseDateTimeCommand, WriteDateTimeSection},
    {nullptr, nullptr, nullptr, nullptr}, // [INTERNET]
    {nullptr, nullptr, nullptr, nullptr}, // [LOG_ERRORS]
    {&sunTimesSectionActive, ReadSunTimesSectionLine, ParseSunTimesCommand, WriteSunTimesSection},
    {&helpSectionActive, ReadHelpSectionLine, ParseHelpCommand, WriteHelpSection},
};

const SettingsSection kCommandParserOrder[kSectionCount] = {
    kSectionOptions,  kSectionInternet,  kSectionDateTime, kSectionDisplayPositions,
    kSectionSunTimes, kSectionLogErrors, kSectionHelp,
};

void ClearSectionFlags() {
    for (const SettingsSectionEntry& section : kSettingsSections)
        if (section.active != nullptr) *section.active = false;
}
