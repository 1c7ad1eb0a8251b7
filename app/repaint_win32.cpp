// WM_PAINT of the main window: the table in the text view, or the plot.
#include <cstdint>
#include <cwchar>
#include <new>

#include "app/repaint.h"

#include "app/bars.h"
#include "app/commands.h"
#include "app/main_window.h"
#include "app/program_state.h"
#include "app/selection_dialog.h"
#include "presentation/presentation_state.h"
#include "presentation/sun_times_plot.h"
#include "presentation/sun_times_table.h"
#include "resources/resource_ids.h"
#include "settings/window_placement.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "suntimes/sun_times_series.h"
#include "ui/win32_cwinex.h"
#include "ui/win32_support.h"

namespace {

// The text view: one read-only edit control over the whole result area.
ControlEntry textViewControls[] = {
    {L"edit",
     L"",
     IDC_TEXT_VIEW,
     0,
     0,
     kWholeExtent,
     kWholeExtent,
     WS_CHILD | WS_VISIBLE | WS_DLGFRAME | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE |
         ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_READONLY,
     &tableFont,
     0,
     nullptr,
     nullptr,
     {0, 0, 0, 0}},
};
ControlTable textView{textViewControls, 1, &tableFont, &textColor};

// What the text view shows now: setting an edit control's text is slow and
// scrolls it back to the top, so a repaint with the same text leaves it be.
HWND filledControl = nullptr;
uint64_t filledTextHash = 0;
int filledTextLength = -1;

uint64_t TextHash(const wchar_t* text, int length) {
    uint64_t hash = 1469598103934665603ULL; // FNV-1a
    for (int i = 0; i < length; ++i) {
        hash ^= static_cast<uint64_t>(text[i]);
        hash *= 1099511628211ULL;
    }
    return hash;
}

void DestroyTextView() {
    if (textViewControls[0].window != nullptr && IsWindow(textViewControls[0].window))
        DestroyWindow(textViewControls[0].window);
    textViewControls[0].window = nullptr;
    filledControl = nullptr;
}

// The program information, a blank line and the table. The buffer is sized
// from the text itself, so no place name or range can overrun it.
void FillTextView(HWND control) {
    const int infoLength = static_cast<int>(wcslen(programInfo));
    const int capacity = infoLength + 4 + SunTimesTableLength(L"\r\n") + 1;
    wchar_t* text = new (std::nothrow) wchar_t[capacity];
    if (text == nullptr) {
        ReportError(L"Insufficient Memory Storage");
        return;
    }
    int length = 0;
    text[0] = L'\0';
    AppendText(text, capacity, length, L"%ls\r\n\r\n", programInfo);
    length += FormatSunTimesTable(text + length, capacity - length, L"\r\n");
    const uint64_t hash = TextHash(text, length);
    if (control != filledControl || hash != filledTextHash || length != filledTextLength) {
        if (tableFont != nullptr)
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(tableFont), FALSE);
        SendMessageW(control, EM_FMTLINES, FALSE, 0);
        SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        filledControl = control;
        filledTextHash = hash;
        filledTextLength = length;
    }
    delete[] text;
}

} // namespace

HWND TextViewControl() {
    return textViewControls[0].window;
}

HWND PrepareTextView(HWND window) {
    if (CreateOrPlaceControls(textView, window, &plotRect, nullptr) == 1 &&
        TextViewControl() != nullptr)
        FillTextView(TextViewControl());
    return TextViewControl();
}

void ForgetTextView() {
    DestroyTextView();
}

void PaintMainWindow(HWND window) {
    PlaceMainWindow(window);
    textColor = GetSysColor(COLOR_WINDOWTEXT);
    windowColor = GetSysColor(COLOR_WINDOW);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    // The selection dialog's controls stay enabled while the result is drawn:
    // the drawing is synchronous, so no input can reach them meanwhile, and
    // switching them off and on again would redraw them on every repaint.
    if (plotView == kViewTable) {
        PrepareTextView(window);
    } else {
        DestroyTextView();
        DrawSunTimesPlot(dc, plotRect, true);
    }
    EndPaint(window, &paint);
    RefreshChecks();
    RefreshStatusBar();
}
