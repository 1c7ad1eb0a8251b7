// Reading text files line by line into wide text, and writing wide text to
// them, as UTF-8. Lines are read in pieces of a bounded size, so a file of any
// content (binary, endless lines) reads without overrunning anything.
#pragma once

#include <cstdio>

// Characters of one line or command, terminator included.
enum { kTextLineLength = 8196 };

// Reads the next line of `file`, up to and including its line feed, into
// line[0..capacity). A longer line is read in pieces of capacity - 1 bytes,
// each returned as a line of its own. Bytes that are not UTF-8 become the
// characters U+0080 to U+00FF; NUL bytes and a byte-order mark at the start
// are left out. Returns false at the end of the file or on a read error
// (ferror tells them apart), with an empty line.
bool ReadTextLine(FILE* file, wchar_t* line, int capacity);

// Writes `text` as UTF-8. Returns false when the file reported an error.
bool WriteTextUtf8(FILE* file, const wchar_t* text);
