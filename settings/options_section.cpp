#include "settings/options_section.h"

#include <cwchar>

#include "settings/command_text.h"
#include "settings/program_options.h"
#include "services/update_site.h"

bool optionsSectionActive = false;

namespace {
const wchar_t kOptionsHeader[] = L"[OPTIONS]";
} // namespace

int ParseOptionsCommand(const wchar_t* text, const wchar_t** rest) {
    if (rest != nullptr) *rest = text;
    if (text == nullptr) return 0;
    int result = 0;
    const wchar_t* p = SkipCommandWhite(text);
    while (*p != L'\0') {
        if (IsCommentStart(p)) {
            p = SkipComment(p);
        } else if (*p == L';') {
            ++p;
        } else if (StartsWithCommandWord(p, L"EXIT") || StartsWithCommandWord(p, L"QUIT")) {
            if (rest != nullptr) *rest = p + 4;
            return kOptionsExitRequest;
        } else if (StartsWithCommandWord(p, L"UPDATESITE")) {
            const wchar_t* after = ReadUpdateSiteCommand(p + 10);
            if (after == nullptr) {
                if (rest != nullptr) *rest = p;
                return -2;
            }
            p = after;
        } else if (StartsWithCommandWord(p, L"SDO")) {
            statusBarOn = 0;
            p += 3;
        } else if (StartsWithCommandWord(p, L"SD")) {
            statusBarOn = 1;
            p += 2;
        } else {
            break;
        }
        result = kOptionsCommandDone;
        p = SkipCommandWhite(p);
    }
    if (rest != nullptr) *rest = p;
    return result;
}

int ReadOptionsSectionLine(const wchar_t* line, const wchar_t** rest) {
    return ReadSectionLine(line, rest, kOptionsHeader, &optionsSectionActive, ParseOptionsCommand);
}

void WriteOptionsSection(FILE* file) {
    if (file == nullptr) return;
    fwprintf(file, L"%ls\n%ls\n", kOptionsHeader, statusBarOn ? L"SD" : L"SDO");
    fwprintf(file, L"UPDATESITE=%ls\n\n", UpdateSiteSetting());
}
