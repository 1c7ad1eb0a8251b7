#include "settings/settings_file.h"

#include <cwchar>
#include <memory>
#include <new>

#include "app/program_info.h"
#include "settings/command_text.h"
#include "settings/display_positions_section.h"
#include "settings/settings_sections.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "support/file_system.h"
#include "support/text_lines.h"

namespace {

// The values of the comment line that heads the file.
const wchar_t kProgramDescription[] = L"SunRise/Sunset and Dawn/Dusk";
const wchar_t kProgramDate[] = L"12/18/2019";
const wchar_t kMakerName[] = L"The Zelmora developers";

// Cuts the line at its first line feed, or, when there is none, at its first
// carriage return.
void CutLineEnd(wchar_t* line) {
    wchar_t* end = std::wcschr(line, L'\n');
    if (end == nullptr) end = std::wcschr(line, L'\r');
    if (end != nullptr) *end = L'\0';
}

// Offers the line to every section's handler in turn, over and over, until
// it is used up or a pass takes nothing. Sets *exitRequested when the
// [OPTIONS] handler asked to stop. Returns the bit-or of the results and
// leaves *rest at what is left.
int DispatchLine(const wchar_t* line, const wchar_t** rest, bool* exitRequested) {
    int result = 0;
    const wchar_t* p = line;
    for (;;) {
        const wchar_t* passStart = p;
        for (int index = 0; index < kSectionCount; ++index) {
            const SettingsSectionEntry& section = kSettingsSections[index];
            if (section.readLine == nullptr) continue;
            const wchar_t* after = p;
            const int handled = section.readLine(p, &after);
            if (index == kSectionOptions && handled == kSettingsExitRequest) {
                *exitRequested = true;
                *rest = after;
                return result;
            }
            result |= handled;
            if (after != nullptr && after > p) p = after;
        }
        p = SkipCommandWhite(p);
        if (*p == L'\0' || p == passStart) break;
    }
    *rest = p;
    return result;
}

} // namespace

int ReadSettingsFile(const wchar_t* path) {
    ScopedFile file(OpenFileAt(path, "r"));
    if (!file) {
        ReportError(L"Failed to Open Control File: %ls", path != nullptr ? path : L"");
        return kSettingsUnreadable;
    }
    std::unique_ptr<wchar_t[]> line(new (std::nothrow) wchar_t[kTextLineLength]);
    std::unique_ptr<wchar_t[]> header(new (std::nothrow) wchar_t[kTextLineLength]);
    if (!line || !header) {
        ReportError(L"Insufficient Memory Storage");
        return kSettingsUnreadable;
    }
    ClearSectionFlags();
    header[0] = L'\0';
    int result = 0;
    while (ReadTextLine(file.get(), line.get(), kTextLineLength)) {
        wchar_t* text = const_cast<wchar_t*>(SkipCommandWhite(line.get()));
        CutLineEnd(text);
        const wchar_t* close = text[0] == L'[' ? std::wcschr(text, L']') : nullptr;
        if (close != nullptr) {
            const int length = static_cast<int>(close - text) + 1;
            std::wmemcpy(header.get(), text, static_cast<size_t>(length));
            header[length] = L'\0';
            ClearSectionFlags();
        }
        if (header[0] == L'\0' || text[0] == L'\0') continue;
        const wchar_t* rest = text;
        bool exitRequested = false;
        result |= DispatchLine(text, &rest, &exitRequested);
        if (exitRequested) return kSettingsExitRequest;
        if (*rest != L'\0' && !IsIgnorableRest(rest)) {
            ReportError(L"Invalid command for header %ls: %ls", header.get(), rest);
            result |= -1;
        }
    }
    if (std::ferror(file.get())) {
        ReportError(L"Failed to Read Control File: %ls", path);
        return kSettingsUnreadable;
    }
    return result;
}

void WriteSettingsContent(FILE* file) {
    if (file == nullptr) return;
    fwprintf(file, L"// %ls.exe %ls %ls %ls INI file by %ls\n\n", kProgramName, kProgramDescription,
             kProgramVersion, kProgramDate, kMakerName);
    for (const SettingsSectionEntry& section : kSettingsSections)
        if (section.write != nullptr) section.write(file);
}

bool WriteSettingsFile(const wchar_t* path) {
    const wchar_t* shown = path != nullptr ? path : L"";
    const PathKind kind = PathKindAt(path);
    if (kind == kPathFolder || shown[0] == L'\0') {
        ReportError(L"Failed to Write Control File: %ls", shown);
        return false;
    }
    const bool wasReadOnly = kind == kPathFile && IsFileReadOnly(path);
    if (wasReadOnly && !SetFileReadOnly(path, false)) {
        ReportError(L"Failed Set Normal Attributes for Control File: %ls", shown);
        return false;
    }
    const bool written = WriteFileReplacing(
        path, "w",
        [](FILE* file, void*) {
            WriteSettingsContent(file);
            return true;
        },
        nullptr);
    if (!written) {
        if (wasReadOnly) SetFileReadOnly(path, true);
        ReportError(L"Failed to Write Control File: %ls", shown);
        return false;
    }
    // Kept read-only between runs, so that nothing else changes it unawares.
    SetFileReadOnly(path, true);
    return true;
}

void ReadWindowPositionsEarly(const wchar_t* path) {
    if (path == nullptr) return;
    ScopedFile file(OpenFileAt(path, "r"));
    std::unique_ptr<wchar_t[]> line(new (std::nothrow) wchar_t[kTextLineLength]);
    if (!file || !line) return;
    const bool pendingBefore = HasPendingError();
    displayPositionsSectionActive = false;
    while (ReadTextLine(file.get(), line.get(), kTextLineLength)) {
        wchar_t* text = line.get();
        CutLineEnd(text);
        const wchar_t* p = SkipCommandWhite(text);
        while (*p != L'\0') {
            const wchar_t* rest = p;
            ReadPositionsSectionLine(p, &rest);
            if (rest == nullptr || rest <= p) break;
            p = SkipCommandWhite(rest);
        }
    }
    displayPositionsSectionActive = false;
    // The full reading reports the same problems again, with their context.
    if (!pendingBefore && HasPendingError()) TakePendingError();
}
