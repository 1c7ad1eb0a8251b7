// Conversion between the program's wide text and the UTF-8 bytes of files and
// POSIX file names. Wide text is UTF-16 on Windows and UTF-32 elsewhere; both
// directions handle either.
#pragma once

// Encodes `text` as UTF-8 into bytes[0..capacity), terminated. A lone
// surrogate is written as U+FFFD. Returns the number of bytes without the
// terminator, or -1 when the text did not fit (the bytes then hold the
// terminated part that fitted, never a cut character).
int EncodeUtf8(const wchar_t* text, char* bytes, int capacity);

// Decodes `length` bytes into text[0..capacity), terminated. Bytes that do not
// form valid UTF-8 are taken one each as the characters U+0080 to U+00FF, so
// any file reads as some text. NUL bytes are left out. Returns the number of
// characters without the terminator; decoding stops when the text is full.
int DecodeUtf8(const char* bytes, int length, wchar_t* text, int capacity);

// Appends one code point to text[0..capacity) at `count` (as a surrogate pair
// where wide characters are 16 bits), leaving room for a terminator; false,
// and nothing written, when it does not fit.
bool PutCodePoint(unsigned long c, wchar_t* text, int capacity, int& count);
