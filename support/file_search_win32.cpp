#include "support/file_search.h"

#include <windows.h>

#include <cwchar>

#include "support/bounded_format.h"
#include "support/file_system.h"

int FileExists(const wchar_t* path) {
    if (path == nullptr || path[0] == L'\0') return 0;
    wchar_t unquoted[kFilePathLength];
    if (path[0] == L'"') {
        const wchar_t* end = wcschr(path + 1, L'"');
        int length =
            end != nullptr ? static_cast<int>(end - path - 1) : static_cast<int>(wcslen(path + 1));
        if (length >= kFilePathLength) return 0;
        wmemcpy(unquoted, path + 1, static_cast<size_t>(length));
        unquoted[length] = L'\0';
        path = unquoted;
    }
    return PathKindAt(path);
}

namespace {

// Copies a found path into the result; 0 (and an empty result) when it would
// not fit.
int Found(wchar_t* result, const wchar_t* path) {
    int length = CopyText(result, kFilePathLength, path);
    if (length > 0) return length;
    result[0] = L'\0';
    return 0;
}

const wchar_t* FileNamePart(const wchar_t* path) {
    const wchar_t* part = path;
    for (const wchar_t* p = path; *p != L'\0'; ++p)
        if (*p == L'\\' || *p == L'/' || *p == L':') part = p + 1;
    return part;
}

} // namespace

int FindFile(wchar_t* result, const wchar_t* folder, const wchar_t* name) {
    if (result == nullptr) return 0;
    result[0] = L'\0';
    if (name == nullptr || name[0] == L'\0') return 0;

    wchar_t candidate[kFilePathLength];
    int written;
    if (folder == nullptr || folder[0] == L'\0')
        written = CopyText(candidate, kFilePathLength, name);
    else if (folder[wcslen(folder) - 1] == L'\\')
        written = FormatText(candidate, kFilePathLength, L"%ls%ls", folder, name);
    else
        written = FormatText(candidate, kFilePathLength, L"%ls\\%ls", folder, name);
    if (written <= 0) return 0; // too long to be a path
    if (FileExists(candidate) != 0) return Found(result, candidate);

    wchar_t fullPath[kFilePathLength];
    DWORD length = GetFullPathNameW(candidate, kFilePathLength, fullPath, nullptr);
    if (length > 0 && length < kFilePathLength && FileExists(fullPath) != 0)
        return Found(result, fullPath);

    const wchar_t* fileName = FileNamePart(candidate);
    if (fileName[0] == L'\0') return 0;
    wchar_t searched[kFilePathLength];
    length = SearchPathW(nullptr, fileName, nullptr, kFilePathLength, searched, nullptr);
    if (length == 0 || length >= kFilePathLength) return 0;
    return Found(result, searched);
}
