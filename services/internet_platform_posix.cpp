// The internet test's system side where there is no WinINet: no connection
// is ever reported, no request and no program is started.
#include "services/internet_platform.h"

#include "support/bounded_format.h"

SystemConnection QuerySystemConnection() {
    return SystemConnection{false, false, 0};
}

bool StartConnectionRequests(uint32_t, const wchar_t* const*, int) {
    return false;
}

void CloseConnectionRequests() {}

namespace {
bool resetEnded = false;
} // namespace

bool StartResetProgram(const wchar_t*, const wchar_t*, const KeystrokeLines&) {
    resetEnded = true;
    return true;
}

bool ResetProgramRunning() {
    return false;
}

ResetOutcome TakeResetOutcome(wchar_t* message, int capacity) {
    if (!resetEnded) return kResetNone;
    resetEnded = false;
    CopyText(message, capacity, L"Programs Cannot Be Started Here");
    return kResetFailed;
}

void SendSelfResetCommand() {}
