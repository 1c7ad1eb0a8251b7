#include "settings/display_positions_section.h"

#include <cwchar>

#include "settings/command_text.h"
#include "settings/screen_size.h"
#include "settings/window_positions.h"
#include "support/error_report.h"

bool displayPositionsSectionActive = false;

namespace {

const wchar_t kPositionsHeader[] = L"[DISPLAY_POSITIONS]";

// Reads a C integer literal, limited to 32 bits. False when no number follows.
bool ReadInteger(const wchar_t* text, int32_t* value, const wchar_t** end) {
    wchar_t* stop = nullptr;
    long long number = std::wcstoll(text, &stop, 0);
    *end = stop;
    if (stop == text) return false;
    if (number > INT32_MAX) number = INT32_MAX;
    if (number < INT32_MIN) number = INT32_MIN;
    *value = static_cast<int32_t>(number);
    return true;
}

// The entry's values after optional blanks and one optional comma each; the
// first missing one ends them. Returns the position behind the last value.
const wchar_t* ReadRectangle(const wchar_t* p, PositionRect* entry) {
    int32_t* const values[4] = {&entry->left, &entry->top, &entry->right, &entry->bottom};
    for (int32_t* value : values) {
        const wchar_t* q = p;
        while (*q == L' ' || *q == L'\t')
            ++q;
        if (*q == L',') ++q;
        const wchar_t* end = q;
        if (!ReadInteger(q, value, &end)) return p;
        p = end;
    }
    int32_t width = 0, height = 0;
    if (VirtualScreenSize(&width, &height)) ClampToScreen(entry, width, height);
    return p;
}

// One POS command at `p` (behind the word). Returns the position behind it,
// or null after a report.
const wchar_t* ReadPositionCommand(const wchar_t* p) {
    p = SkipCommandAssignment(p);
    int32_t index = 0;
    const wchar_t* end = p;
    if (!ReadInteger(p, &index, &end)) {
        ReportError(L"Missing Display Position Array # Value");
        return nullptr;
    }
    if (index < 0 || index >= kPositionCount) {
        ReportError(L"Invalid Display Position Array # (0-%d): %d", kPositionCount - 1,
                    static_cast<int>(index));
        return nullptr;
    }
    p = SkipCommandAssignment(end);
    PositionRect& entry = windowPositions[index];
    entry = PositionRect{0, 0, 0, 0};
    return ReadRectangle(p, &entry);
}

} // namespace

int ParsePositionCommand(const wchar_t* text, const wchar_t** rest) {
    if (rest != nullptr) *rest = text;
    if (text == nullptr) return 0;
    int result = 0;
    const wchar_t* p = SkipCommandWhite(text);
    while (*p != L'\0') {
        const wchar_t* start = p;
        if (IsCommentStart(p)) {
            p = SkipComment(p);
        } else if (*p == L';') {
            ++p;
        } else if (StartsWithCommandWord(p, L"POS")) {
            const wchar_t* after = ReadPositionCommand(p + 3);
            if (after == nullptr) {
                if (rest != nullptr) *rest = p;
                return -2;
            }
            p = after;
            result = kPositionCommandDone;
        }
        p = SkipCommandWhite(p);
        if (p == start) break;
    }
    if (rest != nullptr) *rest = p;
    return result;
}

int ReadPositionsSectionLine(const wchar_t* line, const wchar_t** rest) {
    return ReadSectionLine(line, rest, kPositionsHeader, &displayPositionsSectionActive, ParsePositionCommand);
}

void WritePositionsSection(FILE* file) {
    if (file == nullptr) return;
    fwprintf(file, L"%ls\n//Order is Left, Top, Right, Bottom\n", kPositionsHeader);
    int32_t width = 0, height = 0;
    const bool screenKnown = VirtualScreenSize(&width, &height);
    for (int index = 0; index < kPositionCount; ++index) {
        PositionRect entry = windowPositions[index];
        if (screenKnown) ClampToScreen(&entry, width, height);
        if (entry.right == 0 || entry.bottom == 0) continue;
        fwprintf(file, L"Pos%d=%d, %d, %d, %d\n", index, static_cast<int>(entry.left),
                 static_cast<int>(entry.top), static_cast<int>(entry.right),
                 static_cast<int>(entry.bottom));
    }
    fwprintf(file, L"\n");
}
