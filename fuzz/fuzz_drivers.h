// What each fuzz target does with one input, shared by the libFuzzer targets
// and by the regression tests that replay the inputs they found. Every driver
// works in the current folder (see WriteFuzzFixtures) and aborts when a
// promise of the code it drives is broken; crashes, overruns and hangs are
// the sanitizers' and libFuzzer's to find.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

#include "datetime/date_time_format.h"
#include "presentation/presentation_state.h"
#include "services/tagged_file.h"
#include "settings/command_runner.h"
#include "settings/program_options.h"
#include "settings/setting_values.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "settings/window_positions.h"
#include "support/error_report.h"
#include "support/file_system.h"
#include "support/text_tokens.h"
#include "suntimes/time_zone_choice.h"
#include "timezones/time_zone_catalogue.h"
#include "tests/settings/settings_test_state.h"

namespace fuzz {

// Each byte one character (U+0000 to U+00FF); a NUL byte ends the text.
inline std::wstring WideFromBytes(const uint8_t* data, size_t size) {
    std::wstring text;
    text.reserve(size);
    for (size_t i = 0; i < size && data[i] != 0; ++i)
        text.push_back(static_cast<wchar_t>(data[i]));
    return text;
}

// Each pair of bytes one UTF-16 code unit, for text beyond Latin-1.
inline std::wstring WideFromBytePairs(const uint8_t* data, size_t size) {
    std::wstring text;
    for (size_t i = 0; i + 1 < size; i += 2) {
        const wchar_t c = static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
        if (c == 0) break;
        text.push_back(c);
    }
    return text;
}

inline void Require(bool promise, const char* what) {
    if (!promise) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

inline void WriteFile(const wchar_t* name, const void* bytes, size_t size) {
    FILE* file = OpenFileAt(name, "wb");
    Require(file != nullptr, "a file in the fuzz folder can be written");
    std::fwrite(bytes, 1, size, file);
    std::fclose(file);
}

inline std::string ReadFile(const wchar_t* name) {
    std::string bytes;
    FILE* file = OpenFileAt(name, "rb");
    if (file == nullptr) return bytes;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    std::fclose(file);
    return bytes;
}

// Scripts that inputs can name ("<script.txt@loop"), and zones to choose.
inline void WriteFuzzFixtures() {
    static const char kScript[] = "SD\n"
                                  ":top DT24 // first\n"
                                  "FCALL sub\n"
                                  "FLOOP0=2 top\n"
                                  "loop: LATITUDE=10;LONGITUDE=20\n"
                                  "FGOTO .+2\n"
                                  "FABORT\n"
                                  "F_FILE=N\n"
                                  "Pos1=1, 2, 300, 400\n"
                                  "F_FILE=F\n"
                                  "FSTOP\n"
                                  ":sub TIMEZONE=\"Tokyo Standard Time\"\n"
                                  "FRETURN\n";
    WriteFile(L"script.txt", kScript, sizeof kScript - 1);
    static const char kSettings[] = "[OPTIONS]\nSDO\n[SUNTIMES]\nLatitude=1\n";
    WriteFile(L"settings.ini", kSettings, sizeof kSettings - 1);
    InstallTestZones();
}

// The settings reader over any file; what the program then writes must read
// back without a message and rewrite to the same bytes.
inline void SettingsReader(const uint8_t* data, size_t size) {
    ResetSettingsState(); // nothing of one input reaches the next
    // Fresh files each time: replacing or truncating one makes the file
    // system wait for the disk, which would slow the fuzzing to a crawl.
    for (const wchar_t* name : {L"fuzz.ini", L"first.ini", L"second.ini"}) {
        SetFileReadOnly(name, false);
        RemoveFileAt(name);
    }
    WriteFile(L"fuzz.ini", data, size);
    ReadSettingsFile(L"fuzz.ini");
    TakePendingError();
    if (!WriteSettingsFile(L"first.ini")) return;
    const std::string first = ReadFile(L"first.ini");
    ResetSettingsState();
    const int result = ReadSettingsFile(L"first.ini");
    Require(result >= 0 && !HasPendingError(),
            "a written settings file reads back without a message");
    Require(WriteSettingsFile(L"second.ini"), "what was read can be written again");
    Require(ReadFile(L"second.ini") == first, "write, read, write gives the same bytes");
}

inline void RunCommandText(const uint8_t* data, size_t size) {
    ResetSettingsState();
    const std::wstring text = WideFromBytes(data, size);
    const wchar_t* rest = nullptr;
    const int result = RunCommands(text.c_str(), &rest);
    Require(result == 0 || result == 1 || result == -2, "RunCommands returns 0, 1 or -2");
    Require(rest >= text.c_str() && rest <= text.c_str() + text.size(),
            "rest points into the text");
    Require(result != -2 || HasPendingError(), "a failure leaves a message");
    TakePendingError();
}

inline void TaggedReference(const uint8_t* data, size_t size) {
    ResetSettingsState();
    static TaggedFileCursor cursor;
    static wchar_t line[kTaggedTextLength];
    const std::wstring text = WideFromBytes(data, size);
    if (BeginTaggedRun(text.c_str(), &cursor, line) == 0) {
        const wchar_t* content = nullptr;
        int next;
        while ((next = NextTaggedDataLine(&cursor, line, &content)) > 0)
            Require(std::wcslen(content) < kTaggedTextLength, "a data line fits its buffer");
        Require(next == 0 || HasPendingError(), "a failed run leaves a message");
    } else {
        Require(HasPendingError(), "a refused reference leaves a message");
    }
    EndTaggedRun(&cursor);
    TakePendingError();
}

// The first byte chooses the flags and the token's room, the rest is the text.
inline void Token(const uint8_t* data, size_t size) {
    if (size < 1) return;
    const int flags = data[0] & 3;
    const int maxLength = 1 + (data[0] >> 2);
    const std::wstring text = WideFromBytes(data + 1, size - 1);
    wchar_t out[64 + 2];
    out[maxLength] = L'#'; // behind the room given: must stay untouched
    const wchar_t* next = nullptr;
    const int result =
        ParseToken(text.c_str(), &next, out, L" \";!,><|\t\n\v\f\r//", maxLength, flags);
    Require(result >= -1 && result <= 1, "ParseToken returns -1, 0 or 1");
    Require(out[maxLength] == L'#', "ParseToken writes only the room it was given");
    Require(std::wcslen(out) < static_cast<size_t>(maxLength), "the token is terminated");
    Require(next >= text.c_str() && next <= text.c_str() + text.size(),
            "next points into the text");
    TakePendingError();
}

// Any value, written as the settings file writes it, reads back whole.
inline void SettingValue(const uint8_t* data, size_t size) {
    const std::wstring value = WideFromBytePairs(data, size);
    static wchar_t written[kTextLineLength * 10];
    if (FormatSettingValue(value.c_str(), false, written, kTextLineLength * 10) < 0) return;
    for (const wchar_t* p = written; *p != L'\0'; ++p)
        Require(*p >= L' ' && *p < 0x7F, "a written value is printable ASCII");
    static wchar_t read[kTextLineLength * 10];
    const wchar_t* rest = nullptr;
    const int result = ParseSettingValue(written, &rest, read, kTextLineLength * 10);
    Require(result == 0, "a written value reads");
    Require(*rest == L'\0', "a written value reads to its end");
    Require(value == read, "a written value reads back whole");
    TakePendingError();
}

} // namespace fuzz
