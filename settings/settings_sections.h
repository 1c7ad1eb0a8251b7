// The sections of the settings file and the parsers of command text, in the
// one place that fixes their order.
//
// Each section's owner offers a line handler (header lines switch its flag;
// its commands are parsed while the flag is set), a command parser (the same
// commands in command text, without headers) and a writer. Handlers and
// parsers take a pointer into the text, move *rest past what they consumed
// and return 0 when they consumed nothing, a positive value for a command
// carried out and a negative value after reporting an error.
#pragma once

#include <cstdio>

enum SettingsSection {
    kSectionOptions,
    kSectionDisplayPositions,
    kSectionDateTime,
    kSectionInternet,
    kSectionLogErrors,
    kSectionSunTimes,
    kSectionHelp,
    kSectionCount,
};

typedef int (*SectionLineHandler)(const wchar_t* line, const wchar_t** rest);
typedef int (*CommandParser)(const wchar_t* text, const wchar_t** rest);
typedef void (*SectionWriter)(FILE* file);

// A section that has no handler yet (a null entry) is not part of the file:
// its header reads as unknown and nothing is written for it.
struct SettingsSectionEntry {
    bool* active; // the section's flag: the current header is this section's
    SectionLineHandler readLine;
    CommandParser parseCommand;
    SectionWriter write;
};

// Indexed by SettingsSection; the settings file is read and written in this
// order, [OPTIONS] first.
extern const SettingsSectionEntry kSettingsSections[kSectionCount];

// The order in which command text (the command line, command files) is
// offered to the parsers; the first that consumes something wins.
extern const SettingsSection kCommandParserOrder[kSectionCount];

// Clears every section's flag: no section is current.
void ClearSectionFlags();
