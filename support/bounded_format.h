// The one wide formatting helper behind every text of the program. It never
// writes more than the given number of characters (terminator included) and
// always leaves the buffer terminated. Use "%ls" for wide string arguments.
#pragma once

#include <cstdarg>
#include <cstddef>

// Formats into buffer[0..capacity). Returns the number of characters written
// without the terminator, or -1 when the text did not fit or the format
// failed; the buffer then holds the terminated part that was written.
int FormatText(wchar_t* buffer, int capacity, const wchar_t* format, ...);
int FormatTextV(wchar_t* buffer, int capacity, const wchar_t* format, va_list args);

// Appends behind the text that `length` counts. `length` only grows, never
// past capacity - 1. A piece that does not fit is cut and -1 is returned;
// `length` then says "full" (capacity - 1) and every later append returns -1
// without writing, so the text ends cleanly at the cut (read it as the
// terminated string, not by `length`).
int AppendText(wchar_t* buffer, int capacity, int& length, const wchar_t* format, ...);

// Copies at most capacity - 1 characters of source and terminates; returns the
// count copied, or -1 when source was cut.
int CopyText(wchar_t* buffer, int capacity, const wchar_t* source);
