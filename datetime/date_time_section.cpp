// The [DATETIME] section of the settings file and the DT12/DT24 commands.
#include "datetime/date_time_format.h"

#include <cwchar>
#include <cwctype>

bool dateTimeSectionActive = false;

namespace {

const wchar_t kSectionHeader[] = L"[DATETIME]";
const int kSectionHeaderLength = 10;

bool IsWhite(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}

const wchar_t* SkipWhite(const wchar_t* p) {
    while (IsWhite(*p))
        ++p;
    return p;
}

// True when text begins with word, comparing letters without case.
bool StartsWithWord(const wchar_t* text, const wchar_t* word, int length) {
    for (int i = 0; i < length; ++i) {
        if (text[i] == L'\0' || std::towupper(text[i]) != std::towupper(word[i])) return false;
    }
    return true;
}

} // namespace

void WriteDateTimeSection(FILE* file) {
    if (file == nullptr) return;
    fwprintf(file, L"%ls\n%ls\n\n", kSectionHeader,
             (dateTimeFormat & kDateTimeTwelveHour) ? L"DT12" : L"DT24");
}

int ReadDateTimeSectionLine(const wchar_t* line, const wchar_t** rest) {
    const wchar_t* p = line;
    if (rest != nullptr) *rest = line;
    if (line == nullptr) return 0;
    p = SkipWhite(p);
    if (*p == L'[') {
        dateTimeSectionActive = StartsWithWord(p, kSectionHeader, kSectionHeaderLength);
        if (dateTimeSectionActive && rest != nullptr) *rest = SkipWhite(p + kSectionHeaderLength);
        return 0;
    }
    if (dateTimeSectionActive) ParseDateTimeCommand(p, rest);
    return 0;
}

int ParseDateTimeCommand(const wchar_t* text, const wchar_t** rest) {
    if (text == nullptr) {
        if (rest != nullptr) *rest = text;
        return 0;
    }
    int result = 0;
    const wchar_t* p = SkipWhite(text);
    while (*p != L'\0') {
        const wchar_t* start = p;
        if (p[0] == L'/' && p[1] == L'/') {
            while (*p != L'\0' && *p != L'\n')
                ++p;
        } else if (*p == L';') {
            ++p;
        } else if (StartsWithWord(p, L"DT24", 4)) {
            dateTimeFormat = kDateTimeFormat24;
            p += 4;
            result = 3;
        } else if (StartsWithWord(p, L"DT12", 4)) {
            dateTimeFormat = kDateTimeFormat12;
            p += 4;
            result = 3;
        }
        p = SkipWhite(p);
        if (p == start) break;
    }
    if (rest != nullptr) *rest = p;
    return result;
}
