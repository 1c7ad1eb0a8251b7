// Printing what the main window shows: the table's text page by page, or the
// plot on one sheet. The page printer also serves any other edit control
// whose text is to be printed. Windows only.
#pragma once

#include "presentation/text_pages.h"
#include "support/platform_types.h"

// The logical page and the margins (thousandths of an inch) of printed text.
constexpr PageRect kPrintPage = {0, 0, 700, 550};
constexpr PageRect kPrintMargins = {500, 500, 500, 1000};

// Prints the text of an edit control on `printer`, in `font` when given,
// scaled so that its longest line fits across the page. It starts and ends
// every page itself; the caller starts and ends the document. Returns the
// pages printed: 0 without a control or a printer, -1 (reported) when memory
// runs short. An empty control still prints one blank page.
int PrintEditText(HWND edit, HDC printer, HFONT font, const PageRect& page,
                  const PageRect& margins);

// Where the print goes: the printer the user picks in the print dialog, or
// the default printer without asking (the PRINT command).
enum PrintTarget { kPrintAskUser, kPrintDefaultPrinter };

// Prints the table of `textView` (when `plot` is false) or the plot as one
// document named `documentName`. Returns true when a document was printed;
// false when the dialog was cancelled, or when no printer could be had or
// the job failed (then reported as "Failed Print: %s").
bool PrintMainDisplay(HWND owner, PrintTarget target, const wchar_t* documentName, HWND textView,
                      bool plot);
