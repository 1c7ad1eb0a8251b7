// Commands for work without a person at the screen, in the [SUNTIMES]
// parser's family (command line, command files; never written to the
// settings file), carried out in order:
//   DATA=TIME|VELOCITY|ACCELERATION|HOURS|HOUR_VELOCITY|HOUR_ACCELERATION
//   DATES=M/D-M/D (days of the current year) or DATES=ALL
//   VIEW=TABLE|PLOT
//   SAVEAS="path"  writes the current result as Save As would
//   PRINT          prints the current view on the default printer
// The parsing is here; what the commands do, the main window supplies.
#pragma once

// What the commands ask of the program. A member left null makes its
// command a no-op that is still accepted.
struct BatchActions {
    int (*currentYear)();      // the year shown; null: the UTC year
    void (*setMode)(int mode); // a PresentationModeKind
    void (*setDates)(int month1, int day1, int month2, int day2); // valid dates of the year
    void (*setWholeYear)();
    void (*setView)(int view);           // a PlotViewKind
    void (*saveAs)(const wchar_t* path); // reports its own failure
    void (*print)();                     // reports its own failure
};
extern BatchActions batchActions;

// Parses one batch command at `p` (white space skipped by the caller).
// Returns false when `p` holds none of them. Otherwise *after is where the
// command ends, or null after a bad value was reported ("Invalid DATA value:
// %s (...)" and the like), and *failedAt where the value began.
bool ParseBatchCommand(const wchar_t* p, const wchar_t** after, const wchar_t** failedAt);
