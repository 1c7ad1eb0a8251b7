// Entry point of Zelmora.exe.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "app/main_window.h"
#include "app/message_loop.h"
#include "app/program_state.h"
#include "resources/resource_ids.h"
#include "settings/settings_file.h"
#include "settings/settings_session.h"
#include "support/bounded_format.h"
#include "support/text_lines.h"

namespace {

// The commands of the command line. A program that starts Zelmora with its
// commands as one argument quotes them and escapes their own quotes (\"),
// as Windows' argument rules ask: that argument is taken as the text, with
// its quotes restored. Anything else (several arguments, or a "<file"
// reference, whose quotes belong to it) is taken as it was typed.
enum { kCommandLineLength = kTextLineLength };

const wchar_t* CommandsOf(const wchar_t* arguments) {
    static wchar_t text[kCommandLineLength];
    if (arguments == nullptr || arguments[0] != L'"') return arguments != nullptr ? arguments : L"";
    wchar_t line[kCommandLineLength];
    if (FormatText(line, kCommandLineLength, L"Zelmora %ls", arguments) < 0) return arguments;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(line, &count);
    const wchar_t* result = arguments;
    if (argv != nullptr && count == 2 && argv[1][0] != L'<' &&
        CopyText(text, kCommandLineLength, argv[1]) >= 0)
        result = text;
    LocalFree(argv);
    return result;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int showCommand) {
    programInstance = instance;
    commandLine = CommandsOf(arguments);
    // The main window creates its bars while it is being created, so their
    // classes must be registered before it.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_COOL_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    if (!RegisterMainWindowClass(instance)) return 0;
    GetModuleFileNameW(nullptr, modulePath, MAX_PATH);
    modulePath[MAX_PATH - 1] = L'\0';
    SetProgramDir(modulePath);
    // The remembered window rectangles, before any window is made.
    wchar_t settingsFile[MAX_PATH];
    if (FormSettingsPath(programDir, settingsFile, MAX_PATH) > 0)
        ReadWindowPositionsEarly(settingsFile);
    HWND window = CreateMainWindow(instance);
    if (window == nullptr) return 0;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    mainAccelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDA_ZELMORA));
    return RunMessageLoop(window, mainAccelerators);
}
