// Small text utilities of the command language: taking one token (plain or
// quoted) from a command line, turning backslash escapes into characters, and
// cutting a path down to its folder. None of them ever writes past the buffer
// it is given; failures are reported through ReportError.
#pragma once

// Size of the destination of UnescapeText by default: one line or command.
enum { kUnescapedTextLength = 8196 };

// Flags of ParseToken; they may be combined.
enum ParseTokenFlags {
    kTokenPlain = 0,
    kTokenQuoteRequired = 1,  // the token must begin with a double quote
    kTokenBackslashQuote = 2, // inside quotes, \" (and \\) do not end the token
};

// Takes one token from `text` into `out`, which holds `maxLength` characters
// including the terminator (so at most maxLength - 1 token characters).
//
// A token that begins with a double quote runs to the next double quote; the
// quotes are not copied and `next` points behind the closing one. Any other
// token runs up to the first delimiter, which is consumed with it. A character
// written twice in a row in `delimiters` stands for that character doubled in
// the text ("//" is a comment start, not a single slash). A null `delimiters`
// has none: the token runs to the end of the text.
//
// Returns 0 when a token was taken (an empty "" counts), 1 when there was
// nothing to take (empty text, or the text begins with a delimiter: `next`
// then equals `text`, the caller skips white space and separators itself),
// -1 after reporting an error:
//   - "Missing opening \" for: ..." with kTokenQuoteRequired; `next` = text;
//   - "Missing Ending \" for: ..."; `out` holds the text after the quote and
//     `next` points at the end of the text;
//   - "String Length Exceeded: N Max" when the token has maxLength characters
//     or more; `out` holds the first maxLength - 1 of them and `next` points
//     at the first character not copied. A missing or zero-sized `out` is
//     reported the same way and nothing is written.
// `next` may be null when the caller does not need it; a null `text` is empty.
int ParseToken(const wchar_t* text, const wchar_t** next, wchar_t* out, const wchar_t* delimiters,
               int maxLength, int flags);

// What a backslash escape shared by every escaped text stands for: the
// character after the backslash ("\\", "\"", "n", "r", "t"), or 0 when it
// is none of them.
wchar_t CommonEscape(wchar_t letter);

// Copies `source` to `destination`, turning \" into ", \% into %, \\ into \,
// \n, \r and \t into line feed, carriage return and tab; a backslash before
// any other character (or at the end) stays. Writes at most capacity - 1
// characters (and never more than kUnescapedTextLength - 1) and always
// terminates. Source and destination may be the same buffer. Returns the
// number of characters written without the terminator.
int UnescapeText(const wchar_t* source, wchar_t* destination, int capacity = kUnescapedTextLength);

// The file name at the end of a path: behind its last "\\" or "/", or the
// whole path when it has neither.
const wchar_t* FileNamePart(const wchar_t* path);

// Cuts a path such as C:\dir\file.txt to its folder C:\dir, in place. The path
// must begin with a drive letter, ":" and "\" followed by at least one more
// character; a file in the root keeps "C:\". A path in double quotes keeps its
// quotes ("C:\dir\file" becomes "C:\dir" with both quotes). The result is
// never longer than the path. Returns true when the path was cut; any other
// path (or null) is left unchanged.
bool FolderOfPath(wchar_t* path);
