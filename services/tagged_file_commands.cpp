// The script commands of tagged files, each in a short form beginning with
// "F" and a long one beginning with "FILE", in any case: F_FILE (the timing
// trace), FCALL and FRETURN, FGOTO, FLOOP, FSTOP and FABORT.
#include <cstdint>
#include <cwchar>

#include "services/tagged_file_internal.h"
#include "support/text_case.h"

namespace {

enum ScriptCommand {
    kTrackingSwitch,
    kCall,
    kGoto,
    kLoop,
    kReturn,
    kStop,
    kAbort,
};

// What must follow a command word for the line to be that command.
enum WordEnd {
    kEndWhiteOrEquals, // white space or "="
    kEndWhite,         // white space
    kEndLoopNumber,    // white space, a digit or "["
    kEndStatement,     // ")", ";", white space or the end of the line
};

struct CommandWord {
    const wchar_t* word; // behind "F" or "FILE"
    ScriptCommand command;
    WordEnd end;
    const wchar_t* stringModeMessage;
};

const CommandWord kCommandWords[] = {
    {L"_FILE", kTrackingSwitch, kEndWhiteOrEquals,
     L"File_File Output File Valid only in <File Mode"},
    {L"CALL", kCall, kEndWhite, L"FileCall Valid only in <File Mode"},
    {L"GOTO", kGoto, kEndWhite, L"FileGoto Valid only in <File Mode"},
    {L"LOOP", kLoop, kEndLoopNumber, L"FileLoop Valid only in <File Mode"},
    {L"RETURN", kReturn, kEndStatement, L"FileReturn Valid only in <File Mode"},
    {L"STOP", kStop, kEndStatement, L"FileStop Valid only in <File Mode"},
    {L"ABORT", kAbort, kEndStatement, L"FileAbort Valid only in <File Mode"},
};

// Length of `word` when `text` begins with it (any case), else 0.
int MatchWord(const wchar_t* text, const wchar_t* word) {
    int i = 0;
    for (; word[i] != L'\0'; ++i)
        if (UpperCaseChar(text[i]) != word[i]) return 0;
    return i;
}

bool EndsWord(wchar_t c, WordEnd end) {
    switch (end) {
    case kEndWhiteOrEquals:
        return IsCommandWhite(c) || c == L'=';
    case kEndWhite:
        return IsCommandWhite(c);
    case kEndLoopNumber:
        return IsCommandWhite(c) || (c >= L'0' && c <= L'9') || c == L'[';
    case kEndStatement:
        return c == L')' || c == L';' || c == L'\0' || IsCommandWhite(c);
    }
    return false;
}

// The script command at `content`, or null for a data line; *after points
// behind the command word.
const CommandWord* FindCommand(const wchar_t* content, const wchar_t** after) {
    if (UpperCaseChar(content[0]) != L'F') return nullptr;
    const wchar_t* p = content + 1;
    p += MatchWord(p, L"ILE");
    for (const CommandWord& candidate : kCommandWords) {
        int length = MatchWord(p, candidate.word);
        if (length > 0 && EndsWord(p[length], candidate.end)) {
            *after = p + length;
            return &candidate;
        }
    }
    return nullptr;
}

int32_t Saturated(int64_t value) {
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

// Moves the run to `target` and reads that line. False after a report.
bool JumpToLine(TaggedFileCursor* cursor, wchar_t* line, int64_t target) {
    if (target < cursor->firstLine || target > cursor->lastLine) {
        ReportTaggedFailure(*cursor, L"Invalid Reference Line Number (%ld - %ld): %ld",
                            static_cast<long>(cursor->firstLine),
                            static_cast<long>(cursor->lastLine), static_cast<long>(target));
        return false;
    }
    cursor->remaining =
        Saturated(static_cast<int64_t>(cursor->remaining) + cursor->currentLine - target);
    cursor->currentLine = static_cast<int32_t>(target);
    return ReadTaggedLine(cursor, line) != nullptr;
}

// Resolves the reference at `text` and jumps there. False after a report.
bool JumpToReference(TaggedFileCursor* cursor, wchar_t* line, const wchar_t* text) {
    const wchar_t* p = SkipTaggedBlanks(text);
    if (*p == L'\0') {
        ReportTaggedFailure(*cursor, L"Missing Reference Line");
        return false;
    }
    int64_t target = 0;
    const wchar_t* end = p;
    TaggedReferenceResult result = ResolveTaggedReference(*cursor, p, true, &target, &end);
    if (result == kReferenceFailed) return false;
    if (result == kReferenceMalformed || *SkipTaggedBlanks(end) != L'\0') {
        ReportTaggedFailure(*cursor, L"Invalid Reference Line Format at \"%ls\"",
                            result == kReferenceMalformed ? p : end);
        return false;
    }
    return JumpToLine(cursor, line, target);
}

// Steps to the next line of the range. False when the range has ended (the
// line is then emptied) or reading failed (*failed is set).
bool StepToNextLine(TaggedFileCursor* cursor, wchar_t* line, bool* failed) {
    if (cursor->currentLine >= cursor->lastLine) {
        line[0] = L'\0';
        return false;
    }
    cursor->remaining = Saturated(static_cast<int64_t>(cursor->remaining) - 1);
    ++cursor->currentLine;
    *failed = ReadTaggedLine(cursor, line) == nullptr;
    return !*failed;
}

enum StepOutcome {
    kStepContinue, // a new line was read: process it
    kStepData,     // the line (possibly emptied) is handed out as data
    kStepFailed,
};

StepOutcome NextLineOutcome(TaggedFileCursor* cursor, wchar_t* line) {
    bool failed = false;
    if (StepToNextLine(cursor, line, &failed)) return kStepContinue;
    return failed ? kStepFailed : kStepData;
}

StepOutcome SwitchTracking(TaggedFileCursor* cursor, wchar_t* line, const wchar_t* after) {
    const wchar_t* p = SkipTaggedBlanks(after);
    if (*p == L'=') p = SkipTaggedBlanks(p + 1);
    const wchar_t mode = UpperCaseChar(*p);
    if (mode != L'T' && mode != L'N' && mode != L'F') {
        ReportTaggedFailure(*cursor, L"File_File specifier: (N, T, F): \"%ls\"", p);
        return kStepFailed;
    }
    if (*SkipTaggedBlanks(p + 1) != L'\0') {
        ReportTaggedFailure(*cursor, L"Invalid File_File Format: \"%ls\"", p);
        return kStepFailed;
    }
    if (mode == L'F') {
        if (!TraceTaggedStep(*cursor, L"File_File=F")) return kStepFailed;
        SwitchTaggedTracking(mode);
    } else {
        SwitchTaggedTracking(mode);
        if (!TraceTaggedStep(*cursor, mode == L'T' ? L"File_File=T" : L"File_File=N"))
            return kStepFailed;
    }
    return NextLineOutcome(cursor, line);
}

StepOutcome RunLoop(TaggedFileCursor* cursor, wchar_t* line, const wchar_t* after) {
    if (!TraceTaggedStep(*cursor, L"FileLoop%ls", after)) return kStepFailed;
    const wchar_t* p = SkipTaggedBlanks(after);
    if (*p == L'[') p = SkipTaggedBlanks(p + 1);
    int64_t number = 0;
    if (!ReadTaggedInteger(p, &number, &p)) {
        ReportTaggedFailure(*cursor, L"Invalid FileLoop Format at \"%ls\"", after);
        return kStepFailed;
    }
    if (number < 0 || number >= kTaggedLoopCount) {
        ReportTaggedFailure(*cursor, L"Invalid FileLoop Number (0 - %ld): %ld",
                            static_cast<long>(kTaggedLoopCount - 1), static_cast<long>(number));
        return kStepFailed;
    }
    p = SkipTaggedBlanks(p);
    if (*p == L']') p = SkipTaggedBlanks(p + 1);
    if (*p == L'=') p = SkipTaggedBlanks(p + 1);
    int64_t count = 0;
    if (!ReadTaggedInteger(p, &count, &p)) {
        ReportTaggedFailure(*cursor, L"Invalid FileLoop Format at \"%ls\"", after);
        return kStepFailed;
    }
    // A count below 1 would never bring the counter back to 0.
    if (count < 1) {
        ReportTaggedFailure(*cursor, L"FileLoop Count < 1: %ld", static_cast<long>(count));
        return kStepFailed;
    }
    p = SkipTaggedBlanks(p);
    if (*p == L',') ++p;
    int32_t& counter = cursor->loopCounters[number];
    if (counter == 0) counter = Saturated(count);
    --counter;
    if (counter != 0) return JumpToReference(cursor, line, p) ? kStepContinue : kStepFailed;
    return NextLineOutcome(cursor, line);
}

StepOutcome RunCommand(TaggedFileCursor* cursor, wchar_t* line, const CommandWord& word,
                       const wchar_t* after) {
    switch (word.command) {
    case kTrackingSwitch:
        return SwitchTracking(cursor, line, after);
    case kCall:
        if (cursor->callDepth >= kTaggedCallDepth) {
            ReportTaggedFailure(*cursor, L"FileCall Maximum Nesting Exceeded (%ld Max)",
                                static_cast<long>(kTaggedCallDepth));
            return kStepFailed;
        }
        cursor->returnLines[cursor->callDepth++] = cursor->currentLine + 1;
        if (!TraceTaggedStep(*cursor, L"FileCall%ls", after)) return kStepFailed;
        return JumpToReference(cursor, line, after) ? kStepContinue : kStepFailed;
    case kGoto:
        if (!TraceTaggedStep(*cursor, L"FileGoto%ls", after)) return kStepFailed;
        return JumpToReference(cursor, line, after) ? kStepContinue : kStepFailed;
    case kLoop:
        return RunLoop(cursor, line, after);
    case kReturn: {
        if (!TraceTaggedStep(*cursor, L"FileReturn")) return kStepFailed;
        if (cursor->callDepth <= 0) {
            ReportTaggedFailure(*cursor, L"Too many FileReturn commands");
            return kStepFailed;
        }
        const int32_t target = cursor->returnLines[--cursor->callDepth];
        const wchar_t* rest = SkipTaggedBlanks(after);
        if (*rest != L'\0') {
            ReportTaggedFailure(*cursor, L"Invalid Reference Line Format at \"%ls\"", rest);
            return kStepFailed;
        }
        return JumpToLine(cursor, line, target) ? kStepContinue : kStepFailed;
    }
    case kStop:
        if (!TraceTaggedStep(*cursor, L"FileStop")) return kStepFailed;
        cursor->remaining = 0;
        line[0] = L'\0';
        return kStepData;
    case kAbort:
        if (TraceTaggedStep(*cursor, L"FileAbort"))
            ReportTaggedFailure(*cursor, L"FileAbort - Execution Terminated");
        return kStepFailed;
    }
    return kStepFailed;
}

} // namespace

const wchar_t* ProcessTaggedLine(TaggedFileCursor* cursor, wchar_t* line, bool* commandSeen) {
    if (cursor == nullptr || line == nullptr) return nullptr;
    if (commandSeen != nullptr) *commandSeen = false;
    for (;;) {
        const wchar_t* content = line + TaggedContentOffset(line);
        const wchar_t* after = content;
        const CommandWord* word = FindCommand(content, &after);
        if (word == nullptr) {
            if (!TraceTaggedStep(*cursor, L"FileText: %ls", content)) return nullptr;
            return content;
        }
        if (commandSeen != nullptr) *commandSeen = true;
        if (IsTaggedStringMode(*cursor)) {
            ReportTaggedFailure(*cursor, L"%ls", word->stringModeMessage);
            return nullptr;
        }
        switch (RunCommand(cursor, line, *word, after)) {
        case kStepContinue:
            continue;
        case kStepData:
            return line;
        case kStepFailed:
            return nullptr;
        }
    }
}
