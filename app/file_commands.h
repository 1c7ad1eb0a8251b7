// The File menu's Open, Save, Save As and Print, the output file that Save
// and Save As share (shown in the status bar), and the batch commands that
// save and print without a dialog. Windows only.
#pragma once

#include "presentation/print.h"
#include "support/platform_types.h"

// "&Open": runs a command file, or reads an .ini file as settings.
void OpenCommandsFile(HWND owner);
// "&Save": writes the output file again, or asks for one as Save As does.
void SaveResults(HWND owner);
// "Save&As": asks for a file and writes it.
void SaveResultsAs(HWND owner);
// "&Print" (kPrintAskUser) and the PRINT command (kPrintDefaultPrinter):
// forgets the output file and prints the table or the plot.
void PrintResults(HWND owner, PrintTarget target);
// SAVEAS="path": writes the file as Save As would, without the dialog (a
// relative path is taken from the current folder), and remembers it.
// False after "Failed Save As File: %s".
bool SaveResultsTo(const wchar_t* path);

// The output file's full path; empty when none is chosen.
const wchar_t* OutputFilePath();
