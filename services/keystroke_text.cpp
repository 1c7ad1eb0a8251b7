#include "services/keystroke_text.h"

#include <cwchar>

#include "support/bounded_format.h"
#include "support/error_report.h"
#include "support/text_tokens.h"

namespace {

const wchar_t kSeparators[] = L" ;,\t";

bool IsSeparator(wchar_t c) {
    return c != L'\0' && std::wcschr(kSeparators, c) != nullptr;
}

} // namespace

int SplitKeystrokeText(const wchar_t* text, KeystrokeLines* lines) {
    if (lines == nullptr) return -1;
    lines->count = 0;
    if (text == nullptr) return 0;
    const wchar_t* p = text;
    for (;;) {
        while (IsSeparator(*p))
            ++p;
        if (*p == L'\0') return lines->count;
        if (lines->count == kKeystrokeLineCount) {
            ReportError(L"Too Many Keystroke Lines: %d Max", static_cast<int>(kKeystrokeLineCount));
            return -1;
        }
        wchar_t* line = lines->lines[lines->count];
        // One character stays free for the carriage return.
        const wchar_t* next = p;
        if (ParseToken(p, &next, line, kSeparators, kKeystrokeLineLength - 1,
                       kTokenBackslashQuote) < 0)
            return -1;
        UnescapeText(line, line, kKeystrokeLineLength - 1);
        int length = static_cast<int>(std::wcslen(line));
        AppendText(line, kKeystrokeLineLength, length, L"\r");
        ++lines->count;
        if (next == p) ++next; // a separator the token scan stopped at
        p = next;
    }
}
