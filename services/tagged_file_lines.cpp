// Reading the lines of a tagged file: one line by number, the line count, and
// the line that carries a tag. No index is kept: every read starts again from
// line 1 of the file, which stays open only while a run lasts, so a script
// may be edited between runs.
#include <cwchar>
#include <memory>
#include <new>

#include "services/tagged_file_internal.h"
#include "support/file_system.h"
#include "support/text_case.h"

namespace {

// Cuts the line at its first line end (and, from a file, at "//") and
// removes trailing white space.
void CutLine(wchar_t* line, bool atComment) {
    wchar_t* p = line;
    while (*p != L'\0' && *p != L'\r' && *p != L'\n' &&
           !(atComment && p[0] == L'/' && p[1] == L'/'))
        ++p;
    while (p > line && IsCommandWhite(p[-1]))
        --p;
    *p = L'\0';
}

// The tag of a tagged line, or a null name when the line has none.
struct LineTag {
    const wchar_t* name;
    int length;
    bool leadingColon; // ":name" rather than "name:"
};

LineTag TagOfLine(const wchar_t* line) {
    const wchar_t* p = SkipTaggedBlanks(line);
    if (p[0] == L':' && (IsTaggedLetter(p[1]) || p[1] == L'_')) {
        const wchar_t* name = p + 1;
        const wchar_t* end = name + 1;
        while (IsTaggedNameChar(*end))
            ++end;
        return {name, static_cast<int>(end - name), true};
    }
    const wchar_t* end = p;
    while (IsTaggedNameChar(*end))
        ++end;
    if (end > p && end[0] == L':' && (end[1] == L'\0' || IsCommandWhite(end[1])))
        return {p, static_cast<int>(end - p), false};
    return {nullptr, 0, false};
}

bool SameName(const wchar_t* a, const wchar_t* b, int length) {
    for (int i = 0; i < length; ++i) {
        if (UpperCaseChar(a[i]) != UpperCaseChar(b[i])) return false;
    }
    return true;
}

// What may follow a tag name on the line that carries it.
bool EndsTagName(wchar_t c) {
    return c == L'\0' || c == L'+' || c == L'-' || c == L';' || c == L':' || IsCommandWhite(c);
}

} // namespace

FILE* TaggedFileFromStart(TaggedFileCursor& cursor, const wchar_t* failure) {
    if (cursor.file == nullptr) {
        cursor.file = OpenFileAt(cursor.fileName, "r");
    } else {
        std::rewind(cursor.file);
    }
    if (cursor.file == nullptr) ReportTaggedFailure(cursor, failure, cursor.fileName);
    return cursor.file;
}

void EndTaggedRun(TaggedFileCursor* cursor) {
    if (cursor == nullptr || cursor->file == nullptr) return;
    std::fclose(cursor->file);
    cursor->file = nullptr;
}

int TaggedContentOffset(const wchar_t* line) {
    if (line == nullptr) return 0;
    const wchar_t* p = SkipTaggedBlanks(line);
    LineTag tag = TagOfLine(line);
    if (tag.name == nullptr) return static_cast<int>(p - line);
    const wchar_t* content = tag.name + tag.length;
    if (tag.leadingColon) { // ":name", blanks, an optional ";" and blanks
        content = SkipTaggedBlanks(content);
        if (*content == L';') content = SkipTaggedBlanks(content + 1);
    } else { // "name:" and blanks
        content = SkipTaggedBlanks(content + 1);
    }
    return static_cast<int>(content - line);
}

const wchar_t* ReadTaggedLine(TaggedFileCursor* cursor, wchar_t* line) {
    if (cursor == nullptr || line == nullptr) return nullptr;
    if (IsTaggedStringMode(*cursor)) {
        CutLine(line, false);
        return line;
    }
    line[0] = L'\0';
    const int32_t wanted = cursor->currentLine;
    if (wanted < 1 || wanted > kTaggedFileLineLimit) {
        ReportTaggedFailure(*cursor, L"Invalid Line #: %ld: ", static_cast<long>(wanted));
        return nullptr;
    }
    if (++cursor->visits > kTaggedVisitLimit) {
        ReportTaggedFailure(*cursor, L"Too Many Line Visits in One Run (%ld Max)",
                            static_cast<long>(kTaggedVisitLimit));
        return nullptr;
    }
    FILE* file = TaggedFileFromStart(*cursor, L"Unable to Open Input File: \"%ls\"");
    if (file == nullptr) return nullptr;
    for (int32_t number = 1; number <= wanted; ++number) {
        if (!ReadTextLine(file, line, kTaggedTextLength)) {
            ReportTaggedFailure(*cursor, L"Invalid Line #: %ld: ", static_cast<long>(wanted));
            return nullptr;
        }
    }
    cursor->lineRead = wanted;
    CutLine(line, true);
    return line;
}

bool CountTaggedFileLines(TaggedFileCursor& cursor, int32_t* count) {
    *count = 0;
    FILE* file = TaggedFileFromStart(cursor, L"Unable to Open Input File: \"%ls\"");
    if (file == nullptr) return false;
    std::unique_ptr<wchar_t[]> line(new (std::nothrow) wchar_t[kTaggedTextLength]);
    if (!line) {
        ReportTaggedFailure(cursor, L"Insufficient Memory Storage");
        return false;
    }
    while (ReadTextLine(file, line.get(), kTaggedTextLength)) {
        if (++*count > kTaggedFileLineLimit) {
            ReportTaggedFailure(cursor, L"Tagged File Too Long (%ld Lines Max): \"%ls\"",
                                static_cast<long>(kTaggedFileLineLimit), cursor.fileName);
            return false;
        }
    }
    return true;
}

// The first line of the file whose tag is name[0..length); reference is the
// reference text from the tag on, for the message when there is none.
bool FindTaggedLine(TaggedFileCursor& cursor, const wchar_t* name, int length,
                    const wchar_t* reference, int32_t* found) {
    FILE* file = TaggedFileFromStart(cursor, L"Unable to Open File: \"%ls\"");
    if (file == nullptr) return false;
    std::unique_ptr<wchar_t[]> line(new (std::nothrow) wchar_t[kTaggedTextLength]);
    if (!line) {
        ReportTaggedFailure(cursor, L"Insufficient Memory Storage");
        return false;
    }
    for (int32_t number = 1; number <= kTaggedFileLineLimit; ++number) {
        if (!ReadTextLine(file, line.get(), kTaggedTextLength)) break;
        CutLine(line.get(), true);
        LineTag tag = TagOfLine(line.get());
        if (tag.name != nullptr && tag.length == length && SameName(tag.name, name, length) &&
            EndsTagName(tag.name[length])) {
            *found = number;
            return true;
        }
    }
    ReportTaggedFailure(cursor, L"Tag Not Found: %ls", reference);
    return false;
}
