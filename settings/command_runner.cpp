#include "settings/command_runner.h"

#include <cwchar>
#include <memory>
#include <new>

#include "services/tagged_file.h"
#include "settings/command_text.h"
#include "settings/options_section.h"
#include "settings/settings_sections.h"
#include "support/error_report.h"
#include "support/text_tokens.h"

namespace {

// The buffers of one run, allocated together; the run's file is closed
// however the run ends.
struct CommandRun {
    TaggedFileCursor cursor;
    wchar_t text[kTaggedTextLength]; // the unquoted text
    wchar_t line[kTaggedTextLength];
    ~CommandRun() { EndTaggedRun(&cursor); }
};

// Offers the text after `p` to the parsers, first taker wins. Returns the
// parser's result and sets *after; 0 (with *after = p) when none took it.
int OfferToParsers(const wchar_t* p, const wchar_t** after) {
    *after = p;
    for (SettingsSection id : kCommandParserOrder) {
        CommandParser parse = kSettingsSections[id].parseCommand;
        if (parse == nullptr) continue;
        const wchar_t* rest = p;
        const int result = parse(p, &rest);
        if (id == kSectionOptions && result == kOptionsExitRequest) {
            *after = rest;
            return kCommandsExitRequest;
        }
        if (result < 0) {
            *after = rest != nullptr ? rest : p;
            return kCommandsFailed;
        }
        if (result > 0 || (rest != nullptr && rest > p)) {
            *after = rest;
            return result > 0 ? result : 0;
        }
    }
    return 0;
}

// Runs the commands of one line. Returns an exit request, a failure or 0;
// *stop is where the line's processing stopped.
int RunLine(const wchar_t* line, const TaggedFileCursor& cursor, const wchar_t* reference,
            const wchar_t** stop) {
    const wchar_t* p = SkipCommandWhite(line);
    while (*p != L'\0') {
        const wchar_t* after = p;
        const int result = OfferToParsers(p, &after);
        if (result == kCommandsExitRequest || result == kCommandsFailed) {
            *stop = result == kCommandsFailed ? p : after;
            return result;
        }
        if (after <= p) {
            *stop = p;
            if (IsIgnorableRest(p)) return 0;
            if (IsTaggedStringMode(cursor))
                ReportError(L"Invalid command: \"%ls\"", p);
            else
                ReportError(L"Invalid command: \"%ls\" Line: %d File: \"%ls\"", p,
                            static_cast<int>(cursor.lineRead), reference);
            return kCommandsFailed;
        }
        p = SkipCommandWhite(after);
    }
    *stop = p;
    return 0;
}

void TrimTrailingWhite(wchar_t* text) {
    size_t length = std::wcslen(text);
    while (length > 0 && IsCommandWhite(text[length - 1]))
        text[--length] = L'\0';
}

} // namespace

int RunCommands(const wchar_t* text, const wchar_t** rest) {
    if (rest != nullptr) *rest = text;
    if (text == nullptr) return 0;
    const wchar_t* start = SkipCommandWhite(text);
    if (*start == L'\0') {
        if (rest != nullptr) *rest = start;
        return 0;
    }
    std::unique_ptr<CommandRun> run(new (std::nothrow) CommandRun());
    if (!run) {
        ReportError(L"Insufficient Memory Storage");
        return kCommandsFailed;
    }
    const bool quoted = *start == L'"';
    if (quoted) {
        if (ParseToken(start, nullptr, run->text, kCommandDelimiters, kTaggedTextLength,
                       kTokenQuoteRequired) < 0)
            return kCommandsFailed;
    } else if (std::wcslen(start) >= static_cast<size_t>(kTaggedTextLength)) {
        ReportError(L"String Length Exceeded: %d Max", static_cast<int>(kTaggedTextLength));
        return kCommandsFailed;
    } else {
        std::wcscpy(run->text, start);
    }
    if (BeginTaggedRun(run->text, &run->cursor, run->line) < 0) return kCommandsFailed;
    const bool plainText = !quoted && IsTaggedStringMode(run->cursor);

    const wchar_t* content = nullptr;
    int next;
    while ((next = NextTaggedDataLine(&run->cursor, run->line, &content)) > 0) {
        wchar_t* line = const_cast<wchar_t*>(content);
        TrimTrailingWhite(line);
        const wchar_t* stop = line;
        const int result = RunLine(line, run->cursor, run->text, &stop);
        if (plainText && rest != nullptr) *rest = start + (stop - run->line);
        if (result != 0) {
            if (!plainText && rest != nullptr) *rest = text;
            return result;
        }
    }
    if (next < 0) {
        if (rest != nullptr) *rest = text;
        return kCommandsFailed;
    }
    if (!plainText && rest != nullptr) *rest = text + std::wcslen(text);
    return 0;
}
