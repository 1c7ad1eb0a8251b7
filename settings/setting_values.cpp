#include "settings/setting_values.h"

#include <cwchar>

#include "settings/command_text.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "support/text_tokens.h"
#include "support/utf8_text.h"

namespace {

bool IsPlainAscii(wchar_t c) {
    return c > L' ' && c < 0x7F;
}

bool IsDelimiter(wchar_t c) {
    return c != L'\0' && std::wcschr(kCommandDelimiters, c) != nullptr;
}

bool NeedsQuotes(const wchar_t* value) {
    if (value[0] == L'\0') return true;
    for (const wchar_t* p = value; *p != L'\0'; ++p) {
        if (!IsPlainAscii(*p) || IsDelimiter(*p) || *p == L'\\' || IsCommentStart(p)) return true;
    }
    return false;
}

int HexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// Reads `digits` hex digits; -1 when they are not all there.
long ReadHex(const wchar_t* p, int digits) {
    long value = 0;
    for (int i = 0; i < digits; ++i) {
        int digit = HexValue(p[i]);
        if (digit < 0) return -1;
        value = value * 16 + digit;
    }
    return value;
}

// Undoes the writer's escapes in place; a backslash before anything else stays.
void Unescape(wchar_t* text, int capacity) {
    int count = 0;
    for (const wchar_t* p = text; *p != L'\0';) {
        unsigned long c = static_cast<unsigned long>(*p++);
        if (c == L'\\') {
            long code = -1;
            switch (*p) {
            case L'u':
                code = ReadHex(p + 1, 4);
                if (code >= 0) {
                    c = static_cast<unsigned long>(code);
                    p += 5;
                }
                break;
            case L'U':
                code = ReadHex(p + 1, 8);
                if (code >= 0 && code <= 0x10FFFF) {
                    c = static_cast<unsigned long>(code);
                    p += 9;
                }
                break;
            default:
                if (const wchar_t escaped = CommonEscape(*p)) {
                    c = static_cast<unsigned long>(escaped);
                    ++p;
                }
                break;
            }
        }
        // Reading stays ahead of writing: every escape is longer than its result.
        if (!PutCodePoint(c, text, capacity, count)) break;
    }
    text[count] = L'\0';
}

int TakePlain(const wchar_t* text, const wchar_t** rest, wchar_t* out, int capacity) {
    int count = 0;
    const wchar_t* p = text;
    while (*p != L'\0' && !IsDelimiter(*p) && !IsCommentStart(p)) {
        if (count == capacity - 1) {
            out[count] = L'\0';
            if (rest != nullptr) *rest = p;
            ReportError(L"String Length Exceeded: %d Max", capacity);
            return -1;
        }
        out[count++] = *p++;
    }
    out[count] = L'\0';
    if (rest != nullptr) *rest = p;
    return count > 0 ? 0 : 1;
}

} // namespace

int FormatSettingValue(const wchar_t* value, bool alwaysQuote, wchar_t* out, int capacity) {
    if (out == nullptr || capacity <= 0) return -1;
    if (value == nullptr) value = L"";
    if (!alwaysQuote && !NeedsQuotes(value)) return CopyText(out, capacity, value);
    int length = 0;
    out[0] = L'\0';
    int ok = AppendText(out, capacity, length, L"\"");
    for (const wchar_t* p = value; *p != L'\0' && ok >= 0; ++p) {
        const unsigned long c = static_cast<unsigned long>(*p);
        switch (c) {
        case L'\\':
            ok = AppendText(out, capacity, length, L"\\\\");
            break;
        case L'"':
            ok = AppendText(out, capacity, length, L"\\\"");
            break;
        case L'\n':
            ok = AppendText(out, capacity, length, L"\\n");
            break;
        case L'\r':
            ok = AppendText(out, capacity, length, L"\\r");
            break;
        case L'\t':
            ok = AppendText(out, capacity, length, L"\\t");
            break;
        default:
            if (c >= L' ' && c < 0x7F)
                ok = AppendText(out, capacity, length, L"%lc", static_cast<wint_t>(c));
            else if (c <= 0xFFFF)
                ok = AppendText(out, capacity, length, L"\\u%04lX", c);
            else
                ok = AppendText(out, capacity, length, L"\\U%08lX", c);
            break;
        }
    }
    if (ok >= 0) ok = AppendText(out, capacity, length, L"\"");
    return ok < 0 ? -1 : length;
}

int ParseSettingValue(const wchar_t* text, const wchar_t** rest, wchar_t* out, int capacity) {
    if (rest != nullptr) *rest = text;
    if (out == nullptr || capacity <= 0) {
        ReportError(L"String Length Exceeded: %d Max", capacity);
        return -1;
    }
    out[0] = L'\0';
    if (text == nullptr || text[0] == L'\0') return 1;
    if (text[0] != L'"') return TakePlain(text, rest, out, capacity);
    int taken = ParseToken(text, rest, out, kCommandDelimiters, capacity, kTokenBackslashQuote);
    if (taken != 0) return taken;
    Unescape(out, capacity);
    return 0;
}
