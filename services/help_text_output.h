// The help window's text to a file or a printer: its File menu's "Save&As"
// and "&Print". Windows only.
#pragma once

#include "support/platform_types.h"

// Writes the text of the edit control `text` to `path` as UTF-8 with CR LF
// line ends. False after "Failed Save As File: %s".
bool WriteHelpTextFile(HWND text, const wchar_t* path);

// Asks for a file ("Save As Help File") and writes the text there; after a
// failed write the name is not offered again.
void SaveHelpTextAs(HWND owner, HWND text);

// Asks for a printer ("Print Help File") and prints the text with the
// program's print font and page layout. "Failed Print: %s" when the job fails.
void PrintHelpText(HWND owner, HWND text);
