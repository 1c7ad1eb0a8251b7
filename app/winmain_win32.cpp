// Entry point of Zelmora.exe.
#include <windows.h>
#include <commctrl.h>

#include "app/main_window.h"
#include "app/message_loop.h"
#include "app/program_state.h"
#include "resources/resource_ids.h"
#include "settings/settings_file.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int showCommand) {
    programInstance = instance;
    commandLine = arguments != nullptr ? arguments : L"";
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
    ReadWindowPositionsEarly(modulePath);
    HWND window = CreateMainWindow(instance);
    if (window == nullptr) return 0;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    mainAccelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDA_ZELMORA));
    return RunMessageLoop(window, mainAccelerators);
}
