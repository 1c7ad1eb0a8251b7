#include "app/help_commands.h"

#include "app/message_loop.h"
#include "resources/resource_ids.h"
#include "services/help_text.h"
#include "services/help_window.h"

namespace {

struct HelpCommand {
    int command;
    HelpTopic topic;
};

const HelpCommand kHelpCommands[] = {
    {IDM_HELP_MAIN_DISPLAY, kHelpMainDisplay},
    {IDM_HELP_HELP_DISPLAY, kHelpHelpDisplay},
    {IDM_HELP_FILE_MENU, kHelpFileMenu},
    {IDM_HELP_OPTIONS_MENU, kHelpOptionsMenu},
    {IDM_HELP_SUNTIMES_MENU, kHelpSunTimesMenu},
    {IDM_HELP_INTERNET, kHelpInternetTestSetup},
    {IDM_HELP_COMMAND_LINE, kHelpCommandLine},
    {IDM_HELP_INI_FILE, kHelpIniFile},
    {IDM_HELP_TAGGED_FILE, kHelpTaggedFile},
    {IDM_HELP_TAGGED_COMMANDS, kHelpTaggedFileCommands},
};

} // namespace

bool ShowHelpForCommand(HWND mainWindow, int command) {
    for (const HelpCommand& help : kHelpCommands) {
        if (help.command != command) continue;
        HWND window = ShowHelpWindow(mainWindow, kHelpTopicHeadings[help.topic]);
        if (window != nullptr) RegisterModelessWindow(window);
        return true;
    }
    return false;
}
