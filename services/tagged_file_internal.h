// Helpers shared by the parts of the tagged-file reader.
#pragma once

#include <cstdint>

#include "services/tagged_file.h"
#include "settings/command_text.h"

inline bool IsTaggedBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}
inline bool IsTaggedLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}
inline bool IsTaggedNameChar(wchar_t c) {
    return IsTaggedLetter(c) || (c >= L'0' && c <= L'9') || c == L'_';
}
inline const wchar_t* SkipTaggedBlanks(const wchar_t* p) {
    while (IsTaggedBlank(*p))
        ++p;
    return p;
}

// Reports a failed run with kErrorTaggedFile. In file mode, once a line has
// been read, " at line N in "file"" is appended to the message; nothing is
// appended to a message of somebody else that was already pending.
void ReportTaggedFailure(const TaggedFileCursor& cursor, const wchar_t* format, ...);

// Reads a C integer literal (decimal, 0x hex, leading-0 octal, with a sign).
// False when no digits follow; *end is then `text`.
bool ReadTaggedInteger(const wchar_t* text, int64_t* value, const wchar_t** end);

// Outcome of resolving a line reference.
enum TaggedReferenceResult {
    kReferenceResolved,  // *line holds the line
    kReferenceMalformed, // not a reference: the caller reports it in its own words
    kReferenceFailed,    // a tag or file problem, already reported
};

// Resolves the line reference at the start of `text` (after blanks): a
// number, a tag name with an optional +n or -n, and, when `relative` is set,
// "." with a signed number counted from the current line. *end points behind
// it. The line is not checked against any range.
TaggedReferenceResult ResolveTaggedReference(TaggedFileCursor& cursor, const wchar_t* text,
                                             bool relative, int64_t* line, const wchar_t** end);

// The number of lines of the cursor's file; false after a report.
bool CountTaggedFileLines(TaggedFileCursor& cursor, int32_t* count);

// The run's file, opened on first use and rewound to line 1; null after a
// report of `failure` (a format with the file name for "%ls").
FILE* TaggedFileFromStart(TaggedFileCursor& cursor, const wchar_t* failure);

// Finds the first line of the cursor's file whose tag is name[0..length)
// (letters compared without case). `reference` is the reference text from
// the tag on, for the message when there is none. False after a report.
bool FindTaggedLine(TaggedFileCursor& cursor, const wchar_t* name, int length,
                    const wchar_t* reference, int32_t* found);

// Writes one step of the timing trace when tracking is on: the file's
// announcement when the file is new to the trace, then the time since the
// previous step, the line last read and the formatted text. True when
// tracking is off or the trace was written; false after a report.
bool TraceTaggedStep(const TaggedFileCursor& cursor, const wchar_t* format, ...);

// Switches the trace: 'T' on, appending; 'N' on, starting a new file; 'F' off.
// The switch's own step is traced by the caller.
void SwitchTaggedTracking(wchar_t mode);
