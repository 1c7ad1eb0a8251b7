// Text values in commands, such as a zone name: written so that they read
// back whole, whatever they hold.
//
// A value that holds nothing special is written as it is. Any other (empty,
// or holding a blank, a delimiter of the command language, "//", a backslash
// or double quote, or a character outside printable ASCII) is written in
// double quotes, with \\, \", \n, \r, \t, \uXXXX and, beyond U+FFFF on
// systems with 32-bit characters, \UXXXXXXXX escapes. So the settings file
// stays plain ASCII and every value survives a write and a read.
#pragma once

// Writes `value` into out[0..capacity) as a command takes it; `alwaysQuote`
// quotes it even when it needs no quotes. Returns the length, or -1 when it
// did not fit (out then holds a terminated prefix).
int FormatSettingValue(const wchar_t* value, bool alwaysQuote, wchar_t* out, int capacity);

// Reads a value at `text`: a quoted one up to its closing quote (escapes
// undone), a plain one up to the first delimiter of the command language or
// "//" (taken as it is, as earlier files wrote them). Returns 0 when a value
// was taken, 1 when there was none (end of text or a delimiter), -1 after a
// report ("Missing Ending \" for: ...", "String Length Exceeded: N Max").
// *rest points behind the value (behind the closing quote).
int ParseSettingValue(const wchar_t* text, const wchar_t** rest, wchar_t* out, int capacity);
