#include "services/help_section.h"

#include <cwchar>
#include <memory>
#include <new>

#include "services/search_history.h"
#include "settings/command_text.h"
#include "settings/setting_values.h"

bool helpSectionActive = false;

namespace {

const wchar_t kHelpHeader[] = L"[HELP]";
const wchar_t kSearchWord[] = L"SRCH";
// The longest written value: every character as a \UXXXXXXXX escape, quotes.
const int kWrittenValueLength = (kSearchTextLength - 1) * 10 + 3;

// A plain text: the rest of the line, without the white space at its end.
const wchar_t* TakeRestOfLine(const wchar_t* p, wchar_t* text) {
    const wchar_t* end = p;
    while (*end != L'\0' && *end != L'\n')
        ++end;
    const wchar_t* last = end;
    while (last > p && IsCommandWhite(last[-1]))
        --last;
    int length = static_cast<int>(last - p);
    if (length > kSearchTextLength - 1) length = kSearchTextLength - 1;
    std::wmemcpy(text, p, length);
    text[length] = L'\0';
    return end;
}

// One SRCH command behind its word. Returns the position behind it, or null
// after a report (*failedAt then points at the value).
const wchar_t* ReadSearchCommand(const wchar_t* p, wchar_t* text, const wchar_t** failedAt) {
    p = SkipCommandAssignment(p);
    *failedAt = p;
    const wchar_t* after = p;
    if (*p == L'"') {
        if (ParseSettingValue(p, &after, text, kSearchTextLength) < 0) return nullptr;
    } else {
        after = TakeRestOfLine(p, text);
    }
    AddSearchText(text);
    return after;
}

} // namespace

int ParseHelpCommand(const wchar_t* text, const wchar_t** rest) {
    if (rest != nullptr) *rest = text;
    if (text == nullptr) return 0;
    std::unique_ptr<wchar_t[]> value;
    int result = 0;
    const wchar_t* p = SkipCommandWhite(text);
    while (*p != L'\0') {
        const wchar_t* start = p;
        if (IsCommentStart(p)) {
            p = SkipComment(p);
        } else if (*p == L';') {
            ++p;
        } else if (StartsWithCommandWord(p, kSearchWord)) {
            if (!value) value.reset(new (std::nothrow) wchar_t[kSearchTextLength]);
            if (!value) break;
            const wchar_t* failedAt = p;
            const wchar_t* after = ReadSearchCommand(p + 4, value.get(), &failedAt);
            if (after == nullptr) {
                if (rest != nullptr) *rest = failedAt;
                return -2;
            }
            p = after;
        } else {
            break;
        }
        result = kHelpCommandDone;
        p = SkipCommandWhite(p);
        if (p == start) break;
    }
    if (rest != nullptr) *rest = p;
    return result;
}

int ReadHelpSectionLine(const wchar_t* line, const wchar_t** rest) {
    return ReadSectionLine(line, rest, kHelpHeader, &helpSectionActive, ParseHelpCommand);
}

void WriteHelpSection(FILE* file) {
    if (file == nullptr) return;
    fwprintf(file, L"%ls\n", kHelpHeader);
    std::unique_ptr<wchar_t[]> value(new (std::nothrow) wchar_t[kWrittenValueLength]);
    for (int i = 0; value && i < SearchHistoryCount(); ++i) {
        if (FormatSettingValue(SearchHistoryEntry(i), false, value.get(), kWrittenValueLength) >= 0)
            fwprintf(file, L"%ls=%ls\n", kSearchWord, value.get());
    }
    fwprintf(file, L"\n");
}
