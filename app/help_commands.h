// The Help menu's topics and the Help toolbar's button: each opens the help
// window at its topic's heading. Windows only.
#pragma once

#include "support/platform_types.h"

// Opens the help window at the topic of `command` when it is one of the
// help commands (the window joins the modeless windows of the message
// loop). False for any other command.
bool ShowHelpForCommand(HWND mainWindow, int command);
