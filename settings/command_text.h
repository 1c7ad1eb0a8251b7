// Small scanning helpers shared by the parsers of the command language.
#pragma once

// The command language's delimiters of a parameter, in this order: blank,
// double quote, semicolon, exclamation mark, comma, greater-than, less-than,
// bar, tab, line feed, vertical tab, form feed, carriage return.
extern const wchar_t kCommandDelimiters[];

inline bool IsCommandWhite(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}

inline const wchar_t* SkipCommandWhite(const wchar_t* p) {
    while (IsCommandWhite(*p))
        ++p;
    return p;
}

// True when `text` begins with `word` (upper-case ASCII), letters compared
// without case.
bool StartsWithCommandWord(const wchar_t* text, const wchar_t* word);

// True at the end of a command word: the end of the text, ";" or white space.
inline bool IsCommandWordEnd(wchar_t c) {
    return c == L'\0' || c == L';' || IsCommandWhite(c);
}

// True at "//", the start of a comment that runs to the end of the line.
inline bool IsCommentStart(const wchar_t* p) {
    return p[0] == L'/' && p[1] == L'/';
}

// The end of the comment that begins at `p`: the line feed or the end.
const wchar_t* SkipComment(const wchar_t* p);

// Behind a command word: blanks and tabs, an optional "=", blanks and tabs.
// *assigned, when asked for, tells whether there was a "=".
const wchar_t* SkipCommandAssignment(const wchar_t* p, bool* assigned = nullptr);

// True for what is left of a line that no handler took but that is not
// worth a message: one or two characters, or a comment.
bool IsIgnorableRest(const wchar_t* rest);

// Checks a section header line: when `line` (after white space) begins with
// "[", the section becomes active exactly when the line begins with `header`
// (any case); *rest then points behind the header and its white space.
// Returns true when the line was a header line of any section.
bool CheckSectionHeader(const wchar_t* line, const wchar_t* header, bool* active,
                        const wchar_t** rest);

// The line handler that sections share: a header line switches `*active`
// (and *rest goes behind a matching header) and consumes nothing; any other
// line goes to `parse` while the section is active. Returns what `parse`
// returns, 0 for a header line or an inactive section.
int ReadSectionLine(const wchar_t* line, const wchar_t** rest, const wchar_t* header, bool* active,
                    int (*parse)(const wchar_t* text, const wchar_t** rest));
