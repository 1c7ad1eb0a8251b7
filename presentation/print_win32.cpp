#include "presentation/print.h"

#include <commdlg.h>

#include <new>

#include "presentation/sun_times_plot.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "ui/win32_support.h"

namespace {

// The longest line of the control, each line read with the buffer's
// capacity as its limit.
int LongestLine(HWND edit, int lines, wchar_t* buffer, int capacity) {
    int longest = 0;
    for (int i = 0; i < lines; ++i) {
        *reinterpret_cast<WORD*>(buffer) = static_cast<WORD>(capacity > 0xFFFF ? 0xFFFF : capacity);
        const int length =
            static_cast<int>(SendMessageW(edit, EM_GETLINE, i, reinterpret_cast<LPARAM>(buffer)));
        if (length > longest) longest = length;
    }
    return longest;
}

// Gathers lines [first, first + count) of the control, each followed by CR LF.
void GatherLines(HWND edit, int first, int count, int lines, wchar_t* buffer, int capacity) {
    int length = 0;
    buffer[0] = L'\0';
    for (int i = first; i < first + count && i < lines; ++i) {
        const int room = capacity - length - 3;
        if (room <= 1) break;
        *reinterpret_cast<WORD*>(buffer + length) =
            static_cast<WORD>(room > 0xFFFF ? 0xFFFF : room);
        length += static_cast<int>(
            SendMessageW(edit, EM_GETLINE, i, reinterpret_cast<LPARAM>(buffer + length)));
        buffer[length++] = L'\r';
        buffer[length++] = L'\n';
        buffer[length] = L'\0';
    }
}

// Captions the print dialog with the title handed over in lCustData.
UINT_PTR CALLBACK TitleHook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const PRINTDLGW* print = reinterpret_cast<const PRINTDLGW*>(lParam);
        SetWindowTextW(dialog, reinterpret_cast<const wchar_t*>(print->lCustData));
    }
    return 0;
}

void MapPage(HDC printer, const TextPagesLayout& layout) {
    SetMapMode(printer, MM_ANISOTROPIC);
    SetWindowExtEx(printer, layout.windowExtentX, layout.windowExtentY, nullptr);
    SetViewportExtEx(printer, layout.viewportExtentX, layout.viewportExtentY, nullptr);
    SetViewportOrgEx(printer, 0, 0, nullptr);
}

bool PrintPlot(HDC printer) {
    if (StartPage(printer) <= 0) return false;
    SetMapMode(printer, MM_ANISOTROPIC);
    SetWindowExtEx(printer, kPrintPage.right, kPrintPage.bottom, nullptr);
    SetViewportExtEx(printer, GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES),
                     nullptr);
    SetViewportOrgEx(printer, 0, 0, nullptr);
    const RECT page = {kPrintPage.left, kPrintPage.top, kPrintPage.right, kPrintPage.bottom};
    DrawSunTimesPlot(printer, page, false);
    return EndPage(printer) > 0;
}

// Prints the text of an edit control on `printer`, in `font` when given,
// scaled so that its longest line fits across the page, starting and ending
// every page itself. Returns the pages printed: 0 without a control or a
// printer, -1 when memory runs short (reported) or a page could not be
// printed. An empty control still prints one blank page.
int PrintEditText(HWND edit, HDC printer, HFONT font, const PageRect& page,
                  const PageRect& margins) {
    if (edit == nullptr || printer == nullptr) return 0;
    HGDIOBJ oldFont = font != nullptr ? SelectObject(printer, font) : nullptr;
    const int length = GetWindowTextLengthW(edit);
    const int lines = static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
    const int capacity = 2 * lines + 1 + length + 5;
    wchar_t* buffer = new (std::nothrow) wchar_t[capacity + 1];
    if (buffer == nullptr) {
        ReportError(L"Insufficient Memory Storage");
        if (oldFont != nullptr) SelectObject(printer, oldFont);
        return -1;
    }
    TextPagesInput in{};
    in.page = page;
    in.margins = margins;
    in.printableWidth = GetDeviceCaps(printer, HORZRES);
    in.printableHeight = GetDeviceCaps(printer, VERTRES);
    in.pixelsPerInchX = GetDeviceCaps(printer, LOGPIXELSX);
    in.pixelsPerInchY = GetDeviceCaps(printer, LOGPIXELSY);
    // The font is measured on the page as it will be drawn: mapped, the
    // printer may give it another shape than in its own pixels. Enlarging
    // the page later scales both ways alike, so the measure still holds.
    TextPagesLayout layout{};
    TEXTMETRICW metrics{};
    if (LayOutTextPages(in, &layout)) {
        MapPage(printer, layout);
        GetTextMetricsW(printer, &metrics);
    }
    in.textWidth = (metrics.tmMaxCharWidth + metrics.tmInternalLeading + 1) *
                   LongestLine(edit, lines, buffer, capacity);
    int pages = 0;
    if (LayOutTextPages(in, &layout)) {
        MapPage(printer, layout);
        // The line height as drawn: measured again in the page's own units.
        GetTextMetricsW(printer, &metrics);
        const int perPage = LinesPerPage(layout.text, metrics.tmHeight);
        RECT area = {layout.text.left, layout.text.top, layout.text.right, layout.text.bottom};
        for (int first = 0; first < lines || (first == 0 && lines == 0); first += perPage) {
            GatherLines(edit, first, perPage, lines, buffer, capacity);
            if (StartPage(printer) <= 0) {
                pages = -1;
                break;
            }
            DrawTextW(printer, buffer, -1, &area, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
            if (EndPage(printer) <= 0) {
                pages = -1;
                break;
            }
            ++pages;
            if (lines == 0) break;
        }
    }
    delete[] buffer;
    if (oldFont != nullptr) SelectObject(printer, oldFont);
    return pages;
}

} // namespace

HDC PrinterContext(HWND owner, PrintTarget target, bool* cancelled, const wchar_t* dialogTitle) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_DISABLEPRINTTOFILE | PD_HIDEPRINTTOFILE;
    if (target == kPrintDefaultPrinter) dialog.Flags |= PD_RETURNDEFAULT;
    if (dialogTitle != nullptr) {
        dialog.Flags |= PD_ENABLEPRINTHOOK;
        dialog.lpfnPrintHook = TitleHook;
        dialog.lCustData = reinterpret_cast<LPARAM>(dialogTitle);
    }
    const BOOL chosen = PrintDlgW(&dialog);
    *cancelled = !chosen && CommDlgExtendedError() == 0;
    if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
    return chosen ? dialog.hDC : nullptr;
}

bool PrintDocument(HDC printer, const wchar_t* documentName, HWND edit, bool plot) {
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName != nullptr ? documentName : L"";
    bool printed = false;
    if (StartDocW(printer, &document) > 0) {
        // The page printers start and end their own pages, so the job has no
        // empty page in front.
        const bool pagesOut =
            plot ? PrintPlot(printer)
                 : PrintEditText(edit, printer, smallFixedFont, kPrintPage, kPrintMargins) > 0;
        if (pagesOut)
            printed = EndDoc(printer) > 0;
        else
            AbortDoc(printer);
    }
    if (!printed) ReportError(L"Failed Print: %ls", document.lpszDocName);
    return printed;
}

bool PrintMainDisplay(HWND owner, PrintTarget target, const wchar_t* documentName, HWND textView,
                      bool plot) {
    bool cancelled = false;
    HDC printer = PrinterContext(owner, target, &cancelled);
    if (printer == nullptr) {
        if (!cancelled) ReportError(L"Failed Print: %ls", L"no printer");
        return false;
    }
    const bool printed = PrintDocument(printer, documentName, textView, plot);
    DeleteDC(printer);
    SetStatus(L"");
    return printed;
}
