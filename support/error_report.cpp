#include "support/error_report.h"

#include <cstdarg>
#include <cwchar>

#include "support/bounded_format.h"
#include "support/system_services.h"

namespace {

ErrorState pendingError;

// The component name of category 2 titles; the program has none.
const wchar_t kComponentName[] = L"";

void SetTitle(int category) {
    static const wchar_t* const kTitles[] = {
        L"",
        L"Result ",
        L"%ls Error",
        L"Internet Error",
        L"Log Error File Error",
        L"Com Port Error",
        L"LPT Error",
        L"USB Error",
        L"Linked List Error",
        L"Tagged File Error",
        L"Trevlin2 Error",
        L"GetLastError",
    };
    const int count = static_cast<int>(sizeof kTitles / sizeof kTitles[0]);
    if (category == kErrorComponent)
        FormatText(pendingError.title, kErrorTitleLength, kTitles[category], kComponentName);
    else
        CopyText(pendingError.title, kErrorTitleLength,
                 category > 0 && category < count ? kTitles[category] : L"");
}

// Appends the message to the pending one (as much as fits).
void AppendMessage(const wchar_t* message) {
    if (message[0] == L'\0') return;
    int length = static_cast<int>(wcslen(pendingError.message));
    AppendText(pendingError.message, kErrorMessageLength, length, L"%ls", message);
}

// The system's text for the thread's last error, first line only, with a
// final full stop turned into "!"; "Unknown error!" when the system has none.
void LastErrorSummary(wchar_t* summary) {
    int textLength = LastErrorText(summary, kErrorMessageLength);
    if (textLength <= 0) {
        CopyText(summary, kErrorMessageLength, L"Unknown error!");
        return;
    }
    for (int i = 0; summary[i] != L'\0'; ++i) {
        if (summary[i] == L'\r' || summary[i] == L'\n') {
            summary[i] = L'\0';
            break;
        }
    }
    int end = static_cast<int>(wcslen(summary));
    while (end > 0 && summary[end - 1] == L' ')
        summary[--end] = L'\0';
    if (end > 0 && summary[end - 1] == L'.') summary[end - 1] = L'!';
}

} // namespace

void ReportError(const wchar_t* format, ...) {
    wchar_t message[kErrorMessageLength];
    va_list args;
    va_start(args, format);
    FormatTextV(message, kErrorMessageLength, format, args);
    va_end(args);

    bool pending = pendingError.message[0] != L'\0';
    if (pending && !pendingError.appendNext) return; // the first message wins
    AppendMessage(message);
    if (pendingError.appendNext) {
        pendingError.appendNext = 0; // a follow-up keeps the first one's title
        return;
    }
    pendingError.category = kErrorPlain;
    pendingError.title[0] = L'\0';
}

void ReportErrorCategory(int category, const wchar_t* format, ...) {
    // The thread's last error is read first, before anything can change it.
    wchar_t systemText[kErrorMessageLength] = L"";
    if (category == kErrorLastError) LastErrorSummary(systemText);
    wchar_t message[kErrorMessageLength];
    va_list args;
    va_start(args, format);
    FormatTextV(message, kErrorMessageLength, format, args);
    va_end(args);
    int length = static_cast<int>(wcslen(message));

    bool pending = pendingError.message[0] != L'\0';
    // A dropped report leaves the pending message's category and title alone.
    if (pending && !pendingError.appendNext) return;
    if (category == kErrorLastError) {
        if (length > 0) AppendText(message, kErrorMessageLength, length, L": ");
        AppendText(message, kErrorMessageLength, length, L"%ls", systemText);
    }
    // An empty report has nothing to show: it must not leave a title behind.
    if (message[0] == L'\0') return;
    if (!pendingError.appendNext) {
        pendingError.category = category;
        SetTitle(category);
    }
    AppendMessage(message);
    pendingError.appendNext = 0;
}

void SetAppendNext() {
    pendingError.appendNext = 1;
}

ErrorState TakePendingError() {
    ErrorState taken = pendingError;
    pendingError = ErrorState{};
    return taken;
}

bool HasPendingError() {
    return pendingError.message[0] != L'\0';
}

const ErrorState& PendingError() {
    return pendingError;
}
