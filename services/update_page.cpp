#include "services/update_page.h"

#include <cwchar>

#include "services/update_release.h"
#include "settings/command_text.h"

namespace {

// One line of up to kUpdateLineLength - 1 bytes, each widened as it is.
bool ReadPageLine(FILE* page, wchar_t* line) {
    int length = 0;
    int c = EOF;
    while (length < kUpdateLineLength - 1 && (c = std::fgetc(page)) != EOF) {
        line[length++] = static_cast<wchar_t>(static_cast<unsigned char>(c));
        if (c == '\n') break;
    }
    line[length] = L'\0';
    return length > 0;
}

void CutLineEnd(wchar_t* line) {
    line[std::wcscspn(line, L"\r\n")] = L'\0';
}

} // namespace

const wchar_t* FindKeyInPage(FILE* page, const wchar_t* key, wchar_t* line,
                             const std::atomic<int>* closing) {
    if (page == nullptr || key == nullptr || line == nullptr) return nullptr;
    while (closing == nullptr || closing->load() == 0) {
        if (!ReadPageLine(page, line)) return nullptr;
        wchar_t* text = line;
        while (IsCommandWhite(*text))
            ++text;
        CutLineEnd(text);
        const wchar_t* found = std::wcsstr(text, key);
        if (found != nullptr) return found;
    }
    return nullptr;
}

bool FindNewestRelease(FILE* page, const wchar_t* key, wchar_t* line,
                       const std::atomic<int>* closing, ReleaseVersion* newest) {
    if (key == nullptr || key[0] == L'\0' || newest == nullptr) return false;
    const size_t keyLength = std::wcslen(key);
    bool found = false;
    const wchar_t* at = nullptr;
    while ((at = FindKeyInPage(page, key, line, closing)) != nullptr) {
        for (; at != nullptr; at = std::wcsstr(at + keyLength, key)) {
            ReleaseVersion version{};
            if (!ReadReleaseVersion(at + keyLength, &version)) continue;
            if (!found || IsNewerRelease(version, *newest)) *newest = version;
            found = true;
        }
    }
    return found && (closing == nullptr || closing->load() == 0);
}
