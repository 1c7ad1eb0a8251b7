#include "support/file_system.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include "support/utf8_text.h"

namespace {

enum { kNativePathBytes = 4096 };

// The wide path as the UTF-8 bytes the file system takes; false when it does
// not fit.
bool NativePath(const wchar_t* path, char* bytes) {
    return path != nullptr && path[0] != L'\0' && EncodeUtf8(path, bytes, kNativePathBytes) > 0;
}

} // namespace

FILE* OpenFileAt(const wchar_t* path, const char* mode) {
    char bytes[kNativePathBytes];
    if (mode == nullptr || !NativePath(path, bytes)) return nullptr;
    return std::fopen(bytes, mode);
}

PathKind PathKindAt(const wchar_t* path) {
    char bytes[kNativePathBytes];
    struct stat info {};
    if (!NativePath(path, bytes) || stat(bytes, &info) != 0) return kPathMissing;
    return S_ISDIR(info.st_mode) ? kPathFolder : kPathFile;
}

bool IsFileReadOnly(const wchar_t* path) {
    char bytes[kNativePathBytes];
    struct stat info {};
    if (!NativePath(path, bytes) || stat(bytes, &info) != 0) return false;
    return (info.st_mode & S_IWUSR) == 0;
}

bool SetFileReadOnly(const wchar_t* path, bool readOnly) {
    char bytes[kNativePathBytes];
    struct stat info {};
    if (!NativePath(path, bytes) || stat(bytes, &info) != 0) return false;
    mode_t mode = info.st_mode & 07777;
    mode = readOnly ? (mode & ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH)) : (mode | S_IWUSR);
    return chmod(bytes, mode) == 0;
}

bool ReplaceFileWith(const wchar_t* replacement, const wchar_t* target) {
    char from[kNativePathBytes];
    char to[kNativePathBytes];
    if (!NativePath(replacement, from) || !NativePath(target, to)) return false;
    return std::rename(from, to) == 0;
}

bool RemoveFileAt(const wchar_t* path) {
    char bytes[kNativePathBytes];
    if (!NativePath(path, bytes)) return false;
    return std::remove(bytes) == 0 || errno == ENOENT;
}

int ProgramFilePath(wchar_t* path, int capacity) {
    if (path == nullptr || capacity <= 0) return 0;
    path[0] = L'\0';
    char bytes[kNativePathBytes];
    ssize_t length = readlink("/proc/self/exe", bytes, sizeof bytes - 1);
    if (length <= 0) return 0;
    int count = DecodeUtf8(bytes, static_cast<int>(length), path, capacity);
    if (count < length && count == capacity - 1) {
        path[0] = L'\0';
        return 0;
    }
    return count;
}
