#include "support/file_system.h"

#include <windows.h>

FILE* OpenFileAt(const wchar_t* path, const char* mode) {
    if (path == nullptr || mode == nullptr) return nullptr;
    wchar_t wideMode[8];
    int i = 0;
    for (; mode[i] != '\0' && i < 6; ++i)
        wideMode[i] = static_cast<wchar_t>(mode[i]);
    wideMode[i] = L'\0';
    return _wfopen(path, wideMode);
}

PathKind PathKindAt(const wchar_t* path) {
    if (path == nullptr || path[0] == L'\0') return kPathMissing;
    DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return kPathMissing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? kPathFolder : kPathFile;
}

bool IsFileReadOnly(const wchar_t* path) {
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool SetFileReadOnly(const wchar_t* path, bool readOnly) {
    DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    attributes = readOnly ? (attributes | FILE_ATTRIBUTE_READONLY)
                          : (attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    if (attributes == 0) attributes = FILE_ATTRIBUTE_NORMAL;
    return SetFileAttributesW(path, attributes) != 0;
}

bool ReplaceFileWith(const wchar_t* replacement, const wchar_t* target) {
    return MoveFileExW(replacement, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           0;
}

bool RemoveFileAt(const wchar_t* path) {
    return DeleteFileW(path) != 0 || GetLastError() == ERROR_FILE_NOT_FOUND;
}

int ProgramFilePath(wchar_t* path, int capacity) {
    if (path == nullptr || capacity <= 0) return 0;
    DWORD length = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(capacity));
    if (length == 0 || length >= static_cast<DWORD>(capacity)) {
        path[0] = L'\0';
        return 0;
    }
    return static_cast<int>(length);
}
