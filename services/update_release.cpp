#include "services/update_release.h"

#include <cwchar>

#include "settings/command_text.h"
#include "support/bounded_format.h"

namespace {

// The delimiters of a token on the site's pages.
bool EndsToken(wchar_t c) {
    return c == L'\0' || std::wcschr(kCommandDelimiters, c) != nullptr;
}

bool IsDirectoryChar(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
           c == L'-' || c == L'_' || c == L'.' || c == L'~' || c == L'/';
}

// A decimal number that fits in 32 bits; *end behind its digits.
bool ReadNumber(const wchar_t* p, int32_t* value, const wchar_t** end) {
    int64_t number = 0;
    const wchar_t* start = p;
    for (; *p >= L'0' && *p <= L'9'; ++p) {
        number = number * 10 + (*p - L'0');
        if (number > INT32_MAX) return false;
    }
    *value = static_cast<int32_t>(number);
    *end = p;
    return p > start;
}

} // namespace

bool ReadReleaseVersion(const wchar_t* text, ReleaseVersion* version) {
    if (text == nullptr || version == nullptr) return false;
    const wchar_t* p = text;
    ReleaseVersion read{};
    if (!ReadNumber(p, &read.major, &p) || *p == L'\0') return false;
    if (!ReadNumber(p + 1, &read.minor, &p)) return false;
    *version = read;
    return true;
}

bool IsNewerRelease(const ReleaseVersion& found, const ReleaseVersion& own) {
    return found.major > own.major || (found.major == own.major && found.minor > own.minor);
}

bool ReadReleaseDirectory(const wchar_t* text, wchar_t* out, int capacity) {
    if (text == nullptr || out == nullptr || capacity <= 0) return false;
    out[0] = L'\0';
    const wchar_t* p = text;
    if (*p == L'=') ++p;
    const bool quoted = *p == L'"';
    if (quoted) ++p;
    int length = 0;
    for (; quoted ? (*p != L'"' && *p != L'\0') : !EndsToken(*p); ++p) {
        if (length == capacity - 1) {
            out[0] = L'\0';
            return false;
        }
        out[length++] = *p;
    }
    out[length] = L'\0';
    if (quoted && *p != L'"') {
        out[0] = L'\0';
        return false;
    }
    return length > 0;
}

bool IsSafeReleaseDirectory(const wchar_t* directory) {
    if (directory == nullptr || directory[0] == L'\0' || directory[0] == L'/') return false;
    if (std::wcsstr(directory, L"..") != nullptr) return false;
    for (const wchar_t* p = directory; *p != L'\0'; ++p)
        if (!IsDirectoryChar(*p)) return false;
    return true;
}

int FormPageFilePath(const wchar_t* programDir, const wchar_t* site, wchar_t* out, int capacity) {
    int length = FormatText(out, capacity, L"%ls", programDir);
    const int siteStart = length;
    if (length >= 0) length = FormatText(out + length, capacity - length, L"%ls_files.htm", site);
    if (length < 0) return -1;
    for (wchar_t* p = out + siteStart; *p != L'\0'; ++p)
        if (*p == L':') *p = L'_';
    return siteStart + length;
}

int FormSetupFileName(const wchar_t* program, const wchar_t* prefix, const ReleaseVersion& version,
                      wchar_t* out, int capacity) {
    return FormatText(out, capacity, L"%ls_%ls%d-%d_Setup.exe", program, prefix,
                      static_cast<int>(version.major), static_cast<int>(version.minor));
}

int FormUpdateCaption(const wchar_t* program, const wchar_t* prefix, const ReleaseVersion& own,
                      const ReleaseVersion& found, wchar_t* out, int capacity) {
    return FormatText(out, capacity, L"&Install %ls Program Update: %ls%d-%d -> %ls%d-%d", program,
                      prefix, static_cast<int>(own.major), static_cast<int>(own.minor), prefix,
                      static_cast<int>(found.major), static_cast<int>(found.minor));
}
