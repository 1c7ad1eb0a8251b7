#include "settings/command_text.h"

#include <cwchar>

const wchar_t kCommandDelimiters[] = L" \";!,><|\t\n\v\f\r";

bool StartsWithCommandWord(const wchar_t* text, const wchar_t* word) {
    for (int i = 0; word[i] != L'\0'; ++i) {
        wchar_t c = text[i];
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
        if (c != word[i]) return false;
    }
    return true;
}

const wchar_t* SkipComment(const wchar_t* p) {
    while (*p != L'\0' && *p != L'\n')
        ++p;
    return p;
}

const wchar_t* SkipCommandAssignment(const wchar_t* p, bool* assigned) {
    while (*p == L' ' || *p == L'\t')
        ++p;
    const bool equals = *p == L'=';
    if (equals) ++p;
    while (*p == L' ' || *p == L'\t')
        ++p;
    if (assigned != nullptr) *assigned = equals;
    return p;
}

bool IsIgnorableRest(const wchar_t* rest) {
    const size_t length = std::wcslen(rest);
    return length < 3 || rest[1] == L'/' || rest[2] == L'/';
}

bool CheckSectionHeader(const wchar_t* line, const wchar_t* header, bool* active,
                        const wchar_t** rest) {
    const wchar_t* p = SkipCommandWhite(line);
    if (*p != L'[') return false;
    *active = StartsWithCommandWord(p, header);
    if (*active && rest != nullptr) *rest = SkipCommandWhite(p + std::wcslen(header));
    return true;
}

int ReadSectionLine(const wchar_t* line, const wchar_t** rest, const wchar_t* header, bool* active,
                    int (*parse)(const wchar_t* text, const wchar_t** rest)) {
    if (rest != nullptr) *rest = line;
    if (line == nullptr) return 0;
    if (CheckSectionHeader(line, header, active, rest)) return 0;
    if (!*active) return 0;
    return parse(line, rest);
}
