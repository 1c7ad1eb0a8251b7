// One pending error message for the whole program. A report never interrupts
// its caller: the first message waits until the main window shows it (status
// bar or message box) and takes it; later reports are dropped unless the
// caller asked to append a follow-up text.
#pragma once

enum { kErrorMessageLength = 256, kErrorTitleLength = 32 };

enum ErrorCategory {
    kErrorPlain = 0,
    kErrorResult = 1,
    kErrorComponent = 2,
    kErrorInternet = 3,
    kErrorLogFile = 4,
    kErrorComPort = 5,
    kErrorLpt = 6,
    kErrorUsb = 7,
    kErrorLinkedList = 8,
    kErrorTaggedFile = 9,
    kErrorTrevlin2 = 10,
    kErrorLastError = 11,
};

struct ErrorState {
    wchar_t message[kErrorMessageLength];
    int category;
    wchar_t title[kErrorTitleLength];
    int appendNext;
};

void ReportError(const wchar_t* format, ...);
void ReportErrorCategory(int category, const wchar_t* format, ...);
void SetAppendNext();
// A copy of the error state; the state is cleared afterwards.
ErrorState TakePendingError();
// True while a message waits to be shown.
bool HasPendingError();
// The error state as it stands, left pending (for drawing and logging it).
const ErrorState& PendingError();
