// The keystroke text of the internet reset: the lines to type into the reset
// program's console. Tokens are separated by blanks, ";" and ","; a token in
// double quotes may hold them, and inside quotes \" does not end it. The
// escapes \" \% \\ \n \r \t become their characters (any other backslash
// stays), and every token is typed as one line ended by a carriage return.
#pragma once

enum {
    kKeystrokeLineLength = 512, // one typed line with its carriage return
    kKeystrokeLineCount = 32,
};

struct KeystrokeLines {
    int count;
    wchar_t lines[kKeystrokeLineCount][kKeystrokeLineLength];
};

// Splits `text` into lines, each ended by "\r". Returns the number of lines,
// or -1 after reporting a token that cannot be read (a quote that is not
// closed, a token that is too long, more tokens than fit): the lines before
// it are kept in `lines`.
int SplitKeystrokeText(const wchar_t* text, KeystrokeLines* lines);
