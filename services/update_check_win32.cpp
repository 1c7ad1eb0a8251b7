#include "services/update_check.h"

#include <commctrl.h>
#include <objbase.h>

#include <cwchar>
#include <memory>
#include <new>

#include "resources/resource_ids.h"
#include "services/executable_check.h"
#include "services/update_download.h"
#include "services/update_page.h"
#include "support/bounded_format.h"
#include "support/file_system.h"

namespace {

enum { kUpdateImage = 12 }; // the File toolbar's green globe with an arrow
enum { kPageSettleTime = 200, kToolbarWait = 2000 };

// What the thread works with, filled before it starts. The offer's fields
// are written by the thread before it publishes kUpdateOffered.
struct UpdateContext {
    wchar_t site[kUpdateTextLength];
    wchar_t programDir[kUpdateTextLength];
    wchar_t programName[kUpdateTextLength];
    wchar_t prefix[kUpdateTextLength];
    ReleaseVersion own;
    HMENU menu;
    HWND toolbar;
    DownloadLimits limits;
    wchar_t pageFile[kUpdateTextLength];
    wchar_t address[kUpdateTextLength];
    wchar_t setupPath[kUpdateTextLength];
    wchar_t caption[kUpdateTextLength];
};

UpdateContext context;
std::atomic<int> updateState{kUpdateNone};
std::atomic<HANDLE> updateThread{nullptr};

bool Closing() {
    return context.limits.closing != nullptr && context.limits.closing->load() != 0;
}

// Downloads a page to the page file and opens it; null when it failed.
FILE* ReadPage(const wchar_t* address) {
    if (!DownloadFile(address, context.pageFile, context.limits)) return nullptr;
    return OpenDownloadedFile(context.pageFile, context.limits.closing);
}

// The release directory named on the home page, appended to the address.
// False when the page names none that stays on the site.
bool FindReleaseDirectory(FILE* page, wchar_t* line) {
    wchar_t key[kUpdateTextLength];
    FormatText(key, kUpdateTextLength, L"Update_Directory_%ls", context.prefix);
    const wchar_t* found = FindKeyInPage(page, key, line, context.limits.closing);
    wchar_t directory[kUpdateTextLength];
    if (found == nullptr ||
        !ReadReleaseDirectory(found + std::wcslen(key), directory, kUpdateTextLength) ||
        !IsSafeReleaseDirectory(directory))
        return false;
    int length = static_cast<int>(std::wcslen(context.address));
    const bool slash = directory[std::wcslen(directory) - 1] == L'/';
    return AppendText(context.address, kUpdateTextLength, length, L"%ls%ls", directory,
                      slash ? L"" : L"/") >= 0;
}

// The setup program next to the program: one already there is used; else
// it is downloaded under a temporary name and takes its own name only when
// it arrived whole and is a Windows program.
bool FetchSetupProgram(const wchar_t* setupName) {
    if (FormatText(context.setupPath, kUpdateTextLength, L"%ls%ls", context.programDir, setupName) <
        0)
        return false;
    if (PathKindAt(context.setupPath) == kPathFile) {
        if (IsWindowsExecutable(context.setupPath)) return true;
        RemoveFileAt(context.setupPath);
    }
    wchar_t address[kUpdateTextLength], partPath[kUpdateTextLength];
    if (FormatText(address, kUpdateTextLength, L"%ls%ls", context.address, setupName) < 0 ||
        FormatText(partPath, kUpdateTextLength, L"%ls.part", context.setupPath) < 0)
        return false;
    if (!DownloadFile(address, partPath, context.limits)) return false;
    FILE* file = OpenDownloadedFile(partPath, context.limits.closing);
    if (file != nullptr) std::fclose(file);
    const bool usable = file != nullptr && IsWindowsExecutable(partPath) &&
                        ReplaceFileWith(partPath, context.setupPath);
    if (!usable) RemoveFileAt(partPath);
    return usable;
}

// Menu item and toolbar button 9525 become the install item; the toolbar
// belongs to the window thread, which the message reaches.
void OfferUpdate() {
    if (context.menu != nullptr) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING | MIIM_STATE;
        item.dwTypeData = context.caption;
        item.fState = MFS_CHECKED;
        SetMenuItemInfoW(context.menu, IDM_WEB_SITE, FALSE, &item);
    }
    if (context.toolbar != nullptr && !Closing()) {
        TBBUTTONINFOW button{};
        button.cbSize = sizeof button;
        button.dwMask = TBIF_TEXT | TBIF_IMAGE;
        button.iImage = kUpdateImage;
        button.pszText = context.caption;
        DWORD_PTR result = 0;
        SendMessageTimeoutW(context.toolbar, TB_SETBUTTONINFOW, IDM_WEB_SITE,
                            reinterpret_cast<LPARAM>(&button), SMTO_ABORTIFHUNG, kToolbarWait,
                            &result);
    }
}

// Steps 2 to 8: the state it ends with, and the page file left to delete.
void CheckForUpdate(wchar_t* line) {
    FormatText(context.address, kUpdateTextLength, L"http://%ls/", context.site);
    FILE* page = ReadPage(context.address);
    if (page == nullptr) {
        updateState.store(kUpdateFailed);
        return;
    }
    const bool directory = FindReleaseDirectory(page, line);
    std::fclose(page);
    if (!SleepUnlessClosing(kPageSettleTime, context.limits.closing) || !directory) return;

    page = ReadPage(context.address);
    if (page == nullptr) {
        updateState.store(kUpdateFailed);
        return;
    }
    wchar_t key[kUpdateTextLength];
    FormatText(key, kUpdateTextLength, L"%ls_%ls", context.programName, context.prefix);
    ReleaseVersion found{};
    const bool named = FindNewestRelease(page, key, line, context.limits.closing, &found);
    std::fclose(page);
    if (!named) return;
    if (found.major == 0) {
        updateState.store(kUpdateFailed);
        return;
    }
    if (!IsNewerRelease(found, context.own)) return;
    wchar_t setupName[kUpdateTextLength];
    if (FormSetupFileName(context.programName, context.prefix, found, setupName,
                          kUpdateTextLength) < 0 ||
        !FetchSetupProgram(setupName)) {
        updateState.store(kUpdateFailed);
        return;
    }
    FormUpdateCaption(context.programName, context.prefix, context.own, found, context.caption,
                      kUpdateTextLength);
    OfferUpdate();
    updateState.store(kUpdateOffered);
}

DWORD WINAPI UpdateCheckThread(void*) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::unique_ptr<wchar_t[]> line(new (std::nothrow) wchar_t[kUpdateLineLength]);
    if (line && FormPageFilePath(context.programDir, context.site, context.pageFile,
                                 kUpdateTextLength) > 0) {
        CheckForUpdate(line.get());
        RemoveFileAt(context.pageFile);
    } else {
        updateState.store(kUpdateFailed);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    // The last act of every check: the registration goes, and with it the handle.
    HANDLE self = updateThread.exchange(nullptr);
    if (self != nullptr) CloseHandle(self);
    return 0;
}

} // namespace

bool StartUpdateCheck(const UpdateCheckSetup& setup) {
    if (updateThread.load() != nullptr) return false;
    updateState.store(kUpdateNone);
    context = UpdateContext{};
    CopyText(context.site, kUpdateTextLength, setup.site);
    CopyText(context.programDir, kUpdateTextLength, setup.programDir);
    CopyText(context.programName, kUpdateTextLength, setup.programName);
    CopyText(context.prefix, kUpdateTextLength, setup.versionPrefix);
    context.own = setup.own;
    context.menu = setup.menu;
    context.toolbar = setup.toolbar;
    context.limits = {setup.closing, setup.stallLimit};
    HANDLE thread = CreateThread(nullptr, 0, UpdateCheckThread, nullptr, CREATE_SUSPENDED, nullptr);
    if (thread == nullptr) return false;
    updateThread.store(thread);
    ResumeThread(thread);
    return true;
}

bool UpdateCheckRunning() {
    return updateThread.load() != nullptr;
}

int CurrentUpdateState() {
    return updateState.load();
}

const wchar_t* OfferedSetupPath() {
    return context.setupPath;
}

const wchar_t* OfferedUpdateCaption() {
    return context.caption;
}
