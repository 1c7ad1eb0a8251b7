// Printing what the main window shows: the table's text page by page, or the
// plot on one sheet. The page printer also serves any other edit control
// whose text is to be printed. Windows only.
#pragma once

#include "presentation/text_pages.h"
#include "support/platform_types.h"

// The logical page and the margins (thousandths of an inch) of printed text.
constexpr PageRect kPrintPage = {0, 0, 700, 550};
constexpr PageRect kPrintMargins = {500, 500, 500, 1000};

// Where the print goes: the printer the user picks in the print dialog, or
// the default printer without asking (the PRINT command).
enum PrintTarget { kPrintAskUser, kPrintDefaultPrinter };

// The printer's device context: from the print dialog (captioned
// `dialogTitle` when given), or the default printer's without a dialog. Null
// when the dialog was cancelled (*cancelled is then true) or there is no
// printer. The caller deletes it.
HDC PrinterContext(HWND owner, PrintTarget target, bool* cancelled,
                   const wchar_t* dialogTitle = nullptr);

// Prints one document named `documentName` on `printer`: the plot, or the
// text of the edit control `edit` page by page in the small fixed font,
// scaled so that its longest line fits across the page (an empty control
// still prints one blank page). True when every page went out and the job
// was closed; otherwise the job is abandoned and "Failed Print: %s" reported.
bool PrintDocument(HDC printer, const wchar_t* documentName, HWND edit, bool plot);

// Prints the table of `textView` (when `plot` is false) or the plot as one
// document named `documentName`. Returns true when a document was printed;
// false when the dialog was cancelled, or when no printer could be had or
// the job failed (then reported as "Failed Print: %s").
bool PrintMainDisplay(HWND owner, PrintTarget target, const wchar_t* documentName, HWND textView,
                      bool plot);
