// The moments at which the program reads and writes its settings, as the
// main window meets them: start-up (the settings file, then the command
// line), File Open, "Save Settings Now" and exit. Each reports through the
// error reporting call; the start-up steps append " - INI File Parameter" or
// " - Command Line Parameter" to the message of a failed command.
#pragma once

enum SettingsSaveResult {
    kSettingsSaved,
    kSettingsSaveFailed,  // reported
    kSettingsSaveSkipped, // the file could not be read at start-up: left as it is
};

// Shown in the status line when the exit write was skipped.
extern const wchar_t kSettingsNotSavedText[];

// "<folder>Zelmora.ini" beside the program: `programDir` is the program's
// folder (a separator is added when it has none). Returns the length, or -1
// when it does not fit.
int FormSettingsPath(const wchar_t* programDir, wchar_t* path, int capacity);

// Start-up: reads the settings file when it exists. A file that exists but
// cannot be read is remembered, so that the exit does not overwrite it. A
// failed command appends " - INI File Parameter" to its message. An exit
// command in the file only ends the reading. Returns ReadSettingsFile's
// result, 0 when there is no file.
int LoadSettingsAtStartUp(const wchar_t* path);

// True when the settings file existed at start-up but could not be read, and
// has not been written since.
bool SettingsFileUnreadable();

// Start-up: runs the command line. An exit command sets exitRequested; a
// failure appends " - Command Line Parameter" to its message. Returns
// RunCommands' result.
int RunCommandLine(const wchar_t* commandLine);

// File Open: a file whose extension is ".ini" (any case) is read as a
// settings file ("Failed File Open: %s" when it cannot be opened); any other
// file runs as a command file, whose exit command sets exitRequested. Returns
// the reader's result.
int OpenCommandFile(const wchar_t* path);

// "Save Settings Now": writes the settings file. Afterwards the file is
// Zelmora's own again, so the exit writes it too.
SettingsSaveResult SaveSettingsNow(const wchar_t* path);

// Exit: writes the settings file, unless it could not be read at start-up.
SettingsSaveResult SaveSettingsAtExit(const wchar_t* path);
