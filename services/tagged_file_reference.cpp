// Parsing a file reference "<file@start:end=repeat" and resolving line
// references into line numbers.
#include <cwchar>
#include <memory>
#include <new>

#include "services/tagged_file_internal.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "support/file_system.h"
#include "support/text_tokens.h"

namespace {

// Delimiters of a quoted reference ("\"<file@3\"").
const wchar_t kQuotedReferenceDelimiters[] = L" \";,\t\n\v\f\r";

wchar_t* TrimInPlace(wchar_t* text) {
    while (IsCommandWhite(*text))
        ++text;
    wchar_t* end = text + std::wcslen(text);
    while (end > text && IsCommandWhite(end[-1]))
        --end;
    *end = L'\0';
    return text;
}

// Index of the last `c` in text[from..to), or -1.
long LastIndexOf(const wchar_t* text, long from, long to, wchar_t c) {
    for (long i = to - 1; i >= from; --i)
        if (text[i] == c) return i;
    return -1;
}

// The pieces of a reference, each trimmed; a null piece was not written.
struct ReferencePieces {
    wchar_t* fileName;
    wchar_t* start;  // after "@"
    wchar_t* end;    // after ":" within the start reference
    wchar_t* repeat; // after "="
};

// Splits the text after "<" in place. The markers are looked for only behind
// the last "." (the file's extension), so folders may hold any of them.
ReferencePieces SplitReference(wchar_t* named) {
    const long length = static_cast<long>(std::wcslen(named));
    const long dot = LastIndexOf(named, 0, length, L'.');
    const long region = dot < 0 ? 0 : dot;
    const long at = LastIndexOf(named, region, length, L'@');
    const long equals = LastIndexOf(named, at < 0 ? region : at + 1, length, L'=');
    const long startEnd = equals < 0 ? length : equals;
    const long colon = at < 0 ? -1 : LastIndexOf(named, at + 1, startEnd, L':');

    ReferencePieces pieces{named, nullptr, nullptr, nullptr};
    if (equals >= 0) {
        named[equals] = L'\0';
        pieces.repeat = TrimInPlace(named + equals + 1);
    }
    if (colon >= 0) {
        named[colon] = L'\0';
        pieces.end = TrimInPlace(named + colon + 1);
    }
    if (at >= 0) {
        named[at] = L'\0';
        pieces.start = TrimInPlace(named + at + 1);
    }
    pieces.fileName = TrimInPlace(named);
    return pieces;
}

// Resolves the start or end reference of the file reference. False after a
// report.
bool ResolveRangeEnd(TaggedFileCursor& cursor, const wchar_t* text, int32_t* line) {
    int64_t value = 0;
    const wchar_t* end = text;
    switch (ResolveTaggedReference(cursor, text, false, &value, &end)) {
    case kReferenceFailed:
        return false;
    case kReferenceMalformed:
        ReportTaggedFailure(cursor, L"Invalid Tag Format at: %ls", text);
        return false;
    case kReferenceResolved:
        break;
    }
    if (*SkipTaggedBlanks(end) != L'\0') {
        ReportTaggedFailure(cursor, L"Invalid Tag Format at: %ls", end);
        return false;
    }
    if (value < 1) {
        ReportTaggedFailure(cursor, L"Line Number < 1: %ld", static_cast<long>(value));
        return false;
    }
    if (value > kTaggedFileLineLimit) {
        ReportTaggedFailure(cursor, L"Invalid Line #: %ld: ", static_cast<long>(value));
        return false;
    }
    *line = static_cast<int32_t>(value);
    return true;
}

void ResetCursor(TaggedFileCursor* cursor) {
    *cursor = TaggedFileCursor{};
    cursor->firstLine = 1;
    cursor->lastLine = 1;
    cursor->currentLine = 1;
    cursor->remaining = 1;
}

// Fills the cursor from the text behind "<". -1 after a report.
int OpenFileReference(wchar_t* named, TaggedFileCursor* cursor) {
    ReferencePieces pieces = SplitReference(named);
    CopyText(cursor->fileName, kTaggedTextLength, pieces.fileName);
    if (cursor->fileName[0] == L'\0') {
        ReportTaggedFailure(*cursor, L"Unable to Open Input File: \"\"");
        return -1;
    }
    if (pieces.start != nullptr && pieces.start[0] != L'\0' &&
        !ResolveRangeEnd(*cursor, pieces.start, &cursor->firstLine))
        return -1;
    cursor->currentLine = cursor->lastLine = cursor->firstLine;
    if (pieces.end != nullptr) {
        if (pieces.end[0] == L'\0') {
            if (!CountTaggedFileLines(*cursor, &cursor->lastLine)) return -1;
        } else if (!ResolveRangeEnd(*cursor, pieces.end, &cursor->lastLine)) {
            return -1;
        }
        if (cursor->firstLine > cursor->lastLine) {
            ReportTaggedFailure(*cursor, L"File Tag1>Tag2: %ld > &ld",
                                static_cast<long>(cursor->firstLine));
            return -1;
        }
    }
    cursor->remaining = cursor->lastLine - cursor->firstLine + 1;
    if (PathKindAt(cursor->fileName) != kPathFile) {
        ReportTaggedFailure(*cursor, L"Unable to Open Input File: \"%ls\"", cursor->fileName);
        return -1;
    }
    if (pieces.start == nullptr) {
        if (!CountTaggedFileLines(*cursor, &cursor->lastLine)) return -1;
        cursor->remaining = cursor->lastLine;
    }
    if (pieces.repeat != nullptr) {
        int64_t times = 0;
        const wchar_t* end = pieces.repeat;
        bool number = ReadTaggedInteger(pieces.repeat, &times, &end);
        int64_t product = static_cast<int64_t>(cursor->remaining) * times;
        if (!number || *SkipTaggedBlanks(end) != L'\0' || product < 1 || product > INT32_MAX) {
            ReportTaggedFailure(*cursor, L"Invalid # in file=# format: \"%ls=%ls\"",
                                cursor->fileName, pieces.repeat);
            return -1;
        }
        cursor->remaining = static_cast<int32_t>(product);
    }
    return 0;
}

} // namespace

TaggedReferenceResult ResolveTaggedReference(TaggedFileCursor& cursor, const wchar_t* text,
                                             bool relative, int64_t* line, const wchar_t** end) {
    *line = 0;
    const wchar_t* p = SkipTaggedBlanks(text);
    *end = p;
    int64_t offset = 0;
    if (relative && *p == L'.') {
        if (!ReadTaggedInteger(p + 1, &offset, end)) return kReferenceMalformed;
        *line = cursor.currentLine + offset;
        return kReferenceResolved;
    }
    if (*p == L'+' || *p == L'-' || (*p >= L'0' && *p <= L'9'))
        return ReadTaggedInteger(p, line, end) ? kReferenceResolved : kReferenceMalformed;
    if (!IsTaggedLetter(*p)) return kReferenceMalformed;

    const wchar_t* nameEnd = p;
    while (IsTaggedNameChar(*nameEnd))
        ++nameEnd;
    int32_t tagged = 0;
    if (!FindTaggedLine(cursor, p, static_cast<int>(nameEnd - p), p, &tagged))
        return kReferenceFailed;
    const wchar_t* q = SkipTaggedBlanks(nameEnd);
    *end = q;
    if (*q == L'+' || *q == L'-') {
        const wchar_t* digits = SkipTaggedBlanks(q + 1);
        if (!(*digits >= L'0' && *digits <= L'9') || !ReadTaggedInteger(digits, &offset, end))
            return kReferenceMalformed;
        if (*q == L'-') offset = -offset;
    } else {
        *end = nameEnd;
    }
    *line = tagged + offset;
    if (*line < 1) {
        ReportTaggedFailure(cursor, L"Invalid Line #: %ld: ", static_cast<long>(*line));
        return kReferenceFailed;
    }
    return kReferenceResolved;
}

int OpenTaggedReference(const wchar_t* text, TaggedFileCursor* cursor) {
    if (cursor == nullptr) return -1;
    ResetCursor(cursor);
    if (text == nullptr) return 0;
    const wchar_t* p = text;
    while (IsCommandWhite(*p))
        ++p;
    const bool quoted = p[0] == L'"' && p[1] == L'<';
    if (p[0] != L'<' && !quoted) return 0;

    std::unique_ptr<wchar_t[]> named(new (std::nothrow) wchar_t[kTaggedTextLength]);
    if (!named) {
        ReportError(L"Insufficient Memory Storage");
        return -1;
    }
    if (quoted) {
        if (ParseToken(p, nullptr, named.get(), kQuotedReferenceDelimiters, kTaggedTextLength,
                       kTokenQuoteRequired) < 0)
            return -1;
    } else if (CopyText(named.get(), kTaggedTextLength, p) < 0) {
        ReportError(L"String Length Exceeded: %d Max", static_cast<int>(kTaggedTextLength));
        return -1;
    }
    // The text (quoted or not) begins with "<"; the file name follows.
    wchar_t* after = TrimInPlace(named.get());
    return OpenFileReference(TrimInPlace(after + 1), cursor);
}
