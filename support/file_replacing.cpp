#include <cwchar>

#include "support/bounded_format.h"
#include "support/file_system.h"

namespace {
enum { kTemporaryPathLength = 1024 };
}

bool WriteFileReplacing(const wchar_t* path, const char* mode, bool (*write)(FILE*, void*),
                        void* context) {
    wchar_t temporary[kTemporaryPathLength];
    if (path == nullptr || path[0] == L'\0' || write == nullptr ||
        FormatText(temporary, kTemporaryPathLength, L"%ls.tmp", path) < 0)
        return false;
    FILE* file = OpenFileAt(temporary, mode);
    if (file == nullptr) return false;
    bool written = write(file, context) && !std::ferror(file);
    if (std::fclose(file) != 0) written = false;
    written = written && ReplaceFileWith(temporary, path);
    if (!written) RemoveFileAt(temporary);
    return written;
}
