#include "app/message_loop.h"

#include "app/program_state.h"

int RunMessageLoop(HWND window, HACCEL accelerators) {
    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (accelerators != nullptr && TranslateAcceleratorW(window, accelerators, &message))
            continue;
        if (HandleModelessMessage(&message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got == 0 ? static_cast<int>(message.wParam) : 0;
}
