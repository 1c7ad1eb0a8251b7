// The few file services of the operating system that the portable core needs:
// opening a file by its wide path, what a path names, the read-only attribute,
// replacing one file by another in a single step, and the program file's path.
// Implemented once for Win32 and once for POSIX.
#pragma once

#include <cstdio>
#include <memory>

// What a path names; the values match FileExists.
enum PathKind { kPathFolder = -1, kPathMissing = 0, kPathFile = 1 };

// Opens a file with a C mode such as "r" or "w" (text mode on Windows, where
// "\n" is stored as CR LF). Null on failure.
FILE* OpenFileAt(const wchar_t* path, const char* mode);

// A file opened with OpenFileAt that closes itself when it goes out of scope.
struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using ScopedFile = std::unique_ptr<FILE, FileCloser>;

// kPathFile, kPathFolder, or kPathMissing (also when it cannot be told).
PathKind PathKindAt(const wchar_t* path);

// True when the file exists and may not be written.
bool IsFileReadOnly(const wchar_t* path);
// Sets or lifts the read-only attribute. True on success.
bool SetFileReadOnly(const wchar_t* path, bool readOnly);

// Puts `replacement` in the place of `target` in one step: afterwards the
// target is either the old file, untouched, or the whole replacement. Both
// must be in the same folder. True on success.
bool ReplaceFileWith(const wchar_t* replacement, const wchar_t* target);

// Deletes a file. True when it is gone.
bool RemoveFileAt(const wchar_t* path);

// The full path of the running program file into path[0..capacity). Returns
// its length, or 0 when it is not known or does not fit.
int ProgramFilePath(wchar_t* path, int capacity);

// Writes a whole file safely: `write` fills a temporary file beside it
// ("<path>.tmp", opened with `mode`), which replaces `path` only when
// `write` returned true and the file was written and closed without an
// error. Otherwise the temporary file is removed and `path` is left as it
// was (or absent). True when the file was replaced.
bool WriteFileReplacing(const wchar_t* path, const char* mode, bool (*write)(FILE*, void*),
                        void* context);
