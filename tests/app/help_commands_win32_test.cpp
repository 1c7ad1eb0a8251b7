// Every Help menu item and the Help toolbar's button open the help window
// at their topic, as the main window's command dispatch hands them over.
#include "app/help_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "resources/resource_ids.h"
#include "services/help_text.h"
#include "services/help_window.h"
#include "ui/ui_test_window.h"
#include "ui/win32_support.h"

namespace {

std::wstring TopLine(HWND help) {
    HWND text = GetDlgItem(help, IDC_HELP_TEXT);
    const int first = static_cast<int>(SendMessageW(text, EM_GETFIRSTVISIBLELINE, 0, 0));
    wchar_t line[256];
    *reinterpret_cast<WORD*>(line) = 255;
    const int length =
        static_cast<int>(SendMessageW(text, EM_GETLINE, first, reinterpret_cast<LPARAM>(line)));
    return std::wstring(line, length);
}

TEST(HelpCommands, EveryHelpItemOpensTheHelpWindowAtItsTopic) {
    CreateFonts();
    BuildHelpText(L"        *** Program Information ***");
    HWND owner = uitest::CreateTestWindow(300, 200);
    const struct {
        int command;
        const wchar_t* heading;
    } items[] = {
        {IDM_HELP_MAIN_DISPLAY, L"        *** Main Display ***"},
        {IDM_HELP_HELP_DISPLAY, L"        *** Help Display ***"},
        {IDM_HELP_FILE_MENU, L"        *** File Menu ***"},
        {IDM_HELP_OPTIONS_MENU, L"        *** Options Menu ***"},
        {IDM_HELP_SUNTIMES_MENU, L"        *** Sun Times Menu ***"},
        {IDM_HELP_INTERNET, L"        *** Internet Test Setup ***"},
        {IDM_HELP_COMMAND_LINE, L"      *** Command Line and File Open Commands ***"},
        {IDM_HELP_TAGGED_FILE, L"        *** Tagged File ***"},
        {IDM_HELP_TAGGED_COMMANDS, L"        *** Tagged File Imbedded Commands ***"},
    };
    for (const auto& item : items) {
        EXPECT_TRUE(ShowHelpForCommand(owner, item.command));
        ASSERT_NE(HelpWindow(), nullptr);
        EXPECT_EQ(TopLine(HelpWindow()), item.heading);
    }
    EXPECT_TRUE(ShowHelpForCommand(owner, IDM_HELP_INI_FILE));
    EXPECT_FALSE(ShowHelpForCommand(owner, IDM_ABOUT));
    EXPECT_FALSE(ShowHelpForCommand(owner, IDM_WEB_SITE));
    DestroyWindow(HelpWindow());
    DestroyWindow(owner);
    uitest::DrainMessages();
}

} // namespace
