#include "settings/settings_sections.h"

#include "datetime/date_time_format.h"
#include "services/help_section.h"
#include "settings/display_positions_section.h"
#include "settings/options_section.h"
#include "services/internet_section.h"
#include "support/error_log.h"
#include "suntimes/sun_times_section.h"

const SettingsSectionEntry kSettingsSections[kSectionCount] = {
    {&optionsSectionActive, ReadOptionsSectionLine, ParseOptionsCommand, WriteOptionsSection},
    {&displayPositionsSectionActive, ReadPositionsSectionLine, ParsePositionCommand,
     WritePositionsSection},
    {&dateTimeSectionActive, ReadDateTimeSectionLine, ParseDateTimeCommand, WriteDateTimeSection},
    {&internetSectionActive, ReadInternetSectionLine, ParseInternetCommand, WriteInternetSection},
    {&logErrorsSectionActive, ReadLogSectionLine, ParseLogCommand, WriteLogSection},
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
