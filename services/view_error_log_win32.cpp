#include "services/view_error_log.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <cwchar>

#include "support/error_log.h"
#include "support/error_report.h"
#include "support/file_search.h"

namespace {

const wchar_t kWhat[] = L"Error Log";

// The COM library, once for the window thread, before the first launch.
void InitialiseComOnce() {
    static bool initialised = false;
    if (initialised) return;
    initialised = true;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
}

const wchar_t* ExtensionOf(const wchar_t* path) {
    const wchar_t* dot = std::wcsrchr(path, L'.');
    const wchar_t* slash = std::wcsrchr(path, L'\\');
    return dot != nullptr && (slash == nullptr || dot > slash) ? dot : L"";
}

} // namespace

int ViewErrorLog() {
    const wchar_t* path = LogFilePath();
    if (FileExists(path) != 1) {
        ReportError(L"File Not Found: \"%ls\"", path);
        return 0;
    }
    InitialiseComOnce();
    // The shell opens the file as it is: a path with blanks, "&" or "|" is
    // only a name here, never a command. No message box of the shell's own.
    SHELLEXECUTEINFOW open{};
    open.cbSize = sizeof open;
    open.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    open.lpVerb = L"open";
    open.lpFile = path;
    open.nShow = SW_SHOW;
    if (ShellExecuteExW(&open)) return 1;
    const DWORD error = GetLastError();
    const INT_PTR code = reinterpret_cast<INT_PTR>(open.hInstApp);
    if (error == ERROR_NO_ASSOCIATION || code == SE_ERR_NOASSOC)
        ReportError(L"Execute %ls Failed: No Program Is Associated with \"%ls\" Files: \"%ls\"",
                    kWhat, ExtensionOf(path), path);
    else
        ReportError(L"Execute %ls Failed: \"%ls\"", kWhat, path);
    return 0;
}
