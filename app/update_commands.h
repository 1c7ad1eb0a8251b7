// The main window's side of the program update check: starting it after
// start-up, waiting for it at exit, and command 9525, which opens the web
// site or, once an update is offered, installs it. Windows only.
#pragma once

#include "support/platform_types.h"

// Starts the check at the update site (services/update_site.h), unless the
// site is OFF. The menu item and toolbar button of command 9525 are the ones
// the check changes.
void StartProgramUpdateCheck(HWND mainWindow);

// Waits for the check's thread to end, polling every 20 ms and handling the
// window's messages meanwhile. The caller has set the closing flag, which
// ends the check's downloads and waits at once.
void WaitForProgramUpdateCheck();

// Command 9525: with an update offered, starts its setup program (to
// install into the program's folder) and closes the program, so the setup
// can replace it: "Failed Update Program Setup: %s" when it cannot start; a
// setup program that is gone does nothing. Otherwise opens the web site
// ("Failed URL Open: %s"). False for any other command.
bool RunWebSiteCommand(HWND mainWindow, int command);
