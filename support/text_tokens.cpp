#include "support/text_tokens.h"

#include "support/error_report.h"

namespace {

// Width (1 or 2) of the delimiter that begins at `p`, 0 when none does. A
// character written twice in a row in the set only matches itself doubled.
int DelimiterAt(const wchar_t* p, const wchar_t* delimiters) {
    if (delimiters == nullptr) return 0;
    for (const wchar_t* d = delimiters; *d != L'\0';) {
        if (d[1] == d[0]) {
            if (p[0] == d[0] && p[1] == d[0]) return 2;
            d += 2;
        } else {
            if (p[0] == d[0]) return 1;
            d += 1;
        }
    }
    return 0;
}

int ReportCut(wchar_t* out, int count, const wchar_t* stop, const wchar_t** next, int maxLength) {
    out[count] = L'\0';
    if (next != nullptr) *next = stop;
    ReportError(L"String Length Exceeded: %d Max", maxLength);
    return -1;
}

int TakeQuoted(const wchar_t* text, const wchar_t** next, wchar_t* out, int maxLength, int flags) {
    const bool backslashQuote = (flags & kTokenBackslashQuote) != 0;
    bool escaped = false; // the previous character was a lone backslash
    int count = 0;
    const wchar_t* p = text + 1;
    for (;; ++p) {
        if (*p == L'\0') {
            out[count] = L'\0';
            if (next != nullptr) *next = p;
            ReportError(L"Missing Ending \" for: %ls", text);
            return -1;
        }
        if (*p == L'"' && !escaped) break;
        if (count == maxLength - 1) return ReportCut(out, count, p, next, maxLength);
        escaped = backslashQuote && !escaped && *p == L'\\';
        out[count++] = *p;
    }
    out[count] = L'\0';
    if (next != nullptr) *next = p + 1;
    return 0;
}

int TakePlain(const wchar_t* text, const wchar_t** next, wchar_t* out, const wchar_t* delimiters,
              int maxLength) {
    int count = 0;
    const wchar_t* p = text;
    while (*p != L'\0') {
        int width = DelimiterAt(p, delimiters);
        if (width > 0) {
            if (count == 0) return 1; // nothing before the delimiter
            p += width;
            break;
        }
        if (count == maxLength - 1) return ReportCut(out, count, p, next, maxLength);
        out[count++] = *p++;
    }
    out[count] = L'\0';
    if (next != nullptr) *next = p;
    return 0;
}

} // namespace

int ParseToken(const wchar_t* text, const wchar_t** next, wchar_t* out, const wchar_t* delimiters,
               int maxLength, int flags) {
    if (text == nullptr) text = L"";
    if (next != nullptr) *next = text;
    if (out == nullptr || maxLength <= 0) {
        ReportError(L"String Length Exceeded: %d Max", maxLength);
        return -1;
    }
    out[0] = L'\0';
    if (text[0] == L'\0') return 1;
    if (text[0] == L'"') return TakeQuoted(text, next, out, maxLength, flags);
    if (flags & kTokenQuoteRequired) {
        ReportError(L"Missing opening \" for: %ls", text);
        return -1;
    }
    return TakePlain(text, next, out, delimiters, maxLength);
}

wchar_t CommonEscape(wchar_t letter) {
    switch (letter) {
    case L'\\':
    case L'"':
        return letter;
    case L'n':
        return L'\n';
    case L'r':
        return L'\r';
    case L't':
        return L'\t';
    default:
        return 0;
    }
}

int UnescapeText(const wchar_t* source, wchar_t* destination, int capacity) {
    if (destination == nullptr || capacity <= 0) return 0;
    if (capacity > kUnescapedTextLength) capacity = kUnescapedTextLength;
    int count = 0;
    // Reading always runs ahead of writing, so the text may be unescaped in place.
    for (const wchar_t* p = source; p != nullptr && *p != L'\0' && count < capacity - 1;) {
        wchar_t c = *p++;
        if (c == L'\\') {
            const wchar_t escaped = *p == L'%' ? L'%' : CommonEscape(*p);
            if (escaped != 0) { // else not an escape: the backslash stays
                c = escaped;
                ++p;
            }
        }
        destination[count++] = c;
    }
    destination[count] = L'\0';
    return count;
}

const wchar_t* FileNamePart(const wchar_t* path) {
    const wchar_t* name = path;
    for (const wchar_t* p = path; *p != L'\0'; ++p)
        if (*p == L'\\' || *p == L'/') name = p + 1;
    return name;
}

bool FolderOfPath(wchar_t* path) {
    if (path == nullptr) return false;
    const bool quoted = path[0] == L'"';
    wchar_t* start = quoted ? path + 1 : path;
    wchar_t* end = start;
    while (*end != L'\0' && !(quoted && *end == L'"'))
        ++end;
    const bool closed = quoted && *end == L'"';

    const wchar_t drive = start[0] | 0x20; // ASCII lower case
    if (end - start < 4 || drive < L'a' || drive > L'z' || start[1] != L':' || start[2] != L'\\')
        return false;
    wchar_t* last = end - 1;
    while (*last != L'\\')
        --last; // stops at start[2] at the latest
    wchar_t* cut = (last == start + 2) ? last + 1 : last;
    // The cut removes at least one character, so the closing quote fits.
    if (closed) *cut++ = L'"';
    *cut = L'\0';
    return true;
}
