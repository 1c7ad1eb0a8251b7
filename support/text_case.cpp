#include "support/text_case.h"

#include <cwchar>

wchar_t UpperCaseChar(wchar_t c) {
    if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - 32);
    // Latin-1: U+00E0-U+00FE map 32 down, but for the division sign U+00F7;
    // U+00FF (y with diaeresis) maps to U+0178.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<wchar_t>(c - 32);
    if (c == 0xFF) return static_cast<wchar_t>(0x178);
    return c;
}

bool EqualIgnoringCase(const wchar_t* a, const wchar_t* b) {
    if (a == nullptr || b == nullptr) return a == b;
    for (; *a != L'\0' && *b != L'\0'; ++a, ++b)
        if (UpperCaseChar(*a) != UpperCaseChar(*b)) return false;
    return *a == *b;
}

bool EndsWithIgnoringCase(const wchar_t* text, const wchar_t* suffix) {
    if (text == nullptr || suffix == nullptr) return false;
    const size_t length = std::wcslen(text), suffixLength = std::wcslen(suffix);
    return length >= suffixLength && EqualIgnoringCase(text + length - suffixLength, suffix);
}
