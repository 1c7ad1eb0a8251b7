#include "settings/copy_number.h"

#include <windows.h>

#include "support/bounded_format.h"

CopyNumber ClaimCopyNumber(const wchar_t* programName) {
    CopyNumber claimed{kLastCopyNumber, 0};
    for (int n = 0; n <= kLastCopyNumber; ++n) {
        wchar_t mutexName[MAX_PATH + 64];
        FormatText(mutexName, MAX_PATH + 64, L"Display Size check for %ls #%d alreay running",
                   programName != nullptr ? programName : L"", n);
        HANDLE mutex = CreateMutexW(nullptr, TRUE, mutexName);
        if (mutex != nullptr && GetLastError() != ERROR_ALREADY_EXISTS) {
            claimed.number = n;
            return claimed; // the handle stays open: the number is ours while we run
        }
        if (mutex != nullptr) CloseHandle(mutex);
        claimed.offset += kCopyCascadeStep;
    }
    return claimed;
}
