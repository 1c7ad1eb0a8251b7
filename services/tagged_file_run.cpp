// Driving one run of a reference: line by line, script commands carried out,
// data lines handed to the caller, the range wrapping round for repeats.
#include <cwchar>

#include "services/tagged_file_internal.h"
#include "support/bounded_format.h"
#include "support/error_report.h"

int BeginTaggedRun(const wchar_t* text, TaggedFileCursor* cursor, wchar_t* line) {
    if (cursor == nullptr || line == nullptr) return -1;
    line[0] = L'\0';
    if (OpenTaggedReference(text, cursor) < 0) {
        EndTaggedRun(cursor);
        return -1;
    }
    if (IsTaggedStringMode(*cursor) && CopyText(line, kTaggedTextLength, text) < 0) {
        ReportError(L"String Length Exceeded: %d Max", static_cast<int>(kTaggedTextLength));
        return -1;
    }
    return 0;
}

int NextTaggedDataLine(TaggedFileCursor* cursor, wchar_t* line, const wchar_t** content) {
    if (content != nullptr) *content = nullptr;
    if (cursor == nullptr || line == nullptr) return -1;
    // The script may have changed `remaining` in the meantime (FSTOP, jumps).
    if (cursor->iterations >= cursor->remaining) {
        EndTaggedRun(cursor);
        return 0;
    }
    bool commandSeen = false;
    const wchar_t* data = nullptr;
    if (ReadTaggedLine(cursor, line) != nullptr)
        data = ProcessTaggedLine(cursor, line, &commandSeen);
    if (data == nullptr) {
        EndTaggedRun(cursor);
        return -1;
    }
    if (!IsTaggedStringMode(*cursor)) {
        // Past the last line the range starts again: that is how "=#" repeats it.
        if (++cursor->currentLine > cursor->lastLine) cursor->currentLine = cursor->firstLine;
    }
    ++cursor->delivered;
    ++cursor->iterations;
    if (content != nullptr) *content = data;
    return 1;
}
