#include "services/help_search.h"

#include <cwchar>
#include <memory>
#include <new>

#include "support/error_report.h"
#include "support/text_case.h"

namespace {

const SearchHit kNoHit = {-1, -1};

void ToUpperCase(wchar_t* text) {
    for (; *text != L'\0'; ++text)
        *text = UpperCaseChar(*text);
}

bool MatchesAt(const wchar_t* line, const wchar_t* text) {
    for (; *text != L'\0'; ++line, ++text)
        if (*line != *text) return false;
    return true;
}

// The column of the match that the rules take in one upper-cased line, or
// -1. `limit` is the caret column on the caret's line, -1 on any other.
int MatchInLine(const wchar_t* line, int length, const wchar_t* text, int textLength,
                SearchDirection direction, int limit, int findAgain) {
    int found = -1;
    for (int column = 0; column + textLength <= length; ++column) {
        if (!MatchesAt(line + column, text)) continue;
        if (direction == kSearchForwards) {
            if (limit < 0 || column - findAgain >= limit) return column;
        } else if (limit < 0 || column + findAgain <= limit) {
            found = column;
        }
    }
    return found;
}

} // namespace

SearchHit FindInLines(const SearchLines& lines, const wchar_t* text, int caretLine, int caretColumn,
                      SearchDirection direction, int findAgain) {
    if (text == nullptr || text[0] == L'\0' || lines.count <= 0 || lines.read == nullptr)
        return kNoHit;
    const int textLength = static_cast<int>(std::wcslen(text));
    if (textLength >= kSearchLineLength) return kNoHit;
    std::unique_ptr<wchar_t[]> wanted(new (std::nothrow) wchar_t[kSearchLineLength]);
    std::unique_ptr<wchar_t[]> line(new (std::nothrow) wchar_t[kSearchLineLength]);
    if (!wanted || !line) {
        ReportError(L"Insufficient Memory Storage");
        return kNoHit;
    }
    std::wcscpy(wanted.get(), text);
    ToUpperCase(wanted.get());
    const int count = lines.count;
    if (caretLine < 0) caretLine = 0;
    if (caretLine >= count) caretLine = count - 1;
    if (caretColumn < 0) caretColumn = 0;
    for (int k = 0; k < count; ++k) {
        int index = direction == kSearchForwards ? caretLine + k : caretLine - k;
        if (index >= count) index -= count;
        if (index < 0) index += count;
        line[0] = L'\0';
        int length = lines.read(index, line.get(), kSearchLineLength, lines.context);
        if (length < 0) length = 0;
        if (length >= kSearchLineLength) length = kSearchLineLength - 1;
        line[length] = L'\0';
        ToUpperCase(line.get());
        const int column = MatchInLine(line.get(), length, wanted.get(), textLength, direction,
                                       k == 0 ? caretColumn : -1, k == 0 ? findAgain : 0);
        if (column >= 0) return {index, column};
    }
    return kNoHit;
}
