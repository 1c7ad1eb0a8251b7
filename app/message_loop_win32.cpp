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

namespace {
enum { kMaxModelessWindows = 8 };
HWND modelessWindows[kMaxModelessWindows];
} // namespace

void RegisterModelessWindow(HWND window) {
    for (HWND& slot : modelessWindows)
        if (slot == window) return;
    for (HWND& slot : modelessWindows)
        if (slot == nullptr) {
            slot = window;
            return;
        }
}

void UnregisterModelessWindow(HWND window) {
    for (HWND& slot : modelessWindows)
        if (slot == window) slot = nullptr;
}

bool HandleModelessMessage(MSG* message) {
    for (HWND& slot : modelessWindows) {
        if (slot == nullptr) continue;
        if (!IsWindow(slot)) {
            slot = nullptr;
            continue;
        }
        // Tab, Enter and Esc move through and act on the dialog's controls.
        if (IsDialogMessageW(slot, message)) return true;
    }
    return false;
}
