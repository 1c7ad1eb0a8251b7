// WM_PAINT of the main window: the table in the text view, or the plot.
#include <cwchar>
#include <new>

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
    {L"edit", L"", IDC_TEXT_VIEW, 0, 0, kWholeExtent, kWholeExtent,
     WS_CHILD | WS_VISIBLE | WS_DLGFRAME | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE |
         ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_READONLY,
     &tableFont, 0, nullptr, nullptr, {0, 0, 0, 0}},
};
ControlTable textView{textViewControls, 1, &tableFont, &textColor};

void DestroyTextView() {
    if (textViewControls[0].window != nullptr) DestroyWindow(textViewControls[0].window);
    textViewControls[0].window = nullptr;
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
    FormatSunTimesTable(text + length, capacity - length, L"\r\n");
    if (tableFont != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(tableFont), FALSE);
    SendMessageW(control, EM_FMTLINES, FALSE, 0);
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    delete[] text;
}

}  // namespace

HWND TextViewControl() { return textViewControls[0].window; }

void PaintMainWindow(HWND window) {
    PlaceMainWindow(window);
    textColor = GetSysColor(COLOR_WINDOWTEXT);
    windowColor = GetSysColor(COLOR_WINDOW);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RefreshSelectionControls(false);  // enabled again by RefreshChecks below
    if (plotView == 0) {
        if (CreateOrPlaceControls(textView, window, &plotRect, nullptr) == 1 &&
            TextViewControl() != nullptr)
            FillTextView(TextViewControl());
    } else {
        DestroyTextView();
        DrawSunTimesPlot(dc, plotRect, true);
    }
    EndPaint(window, &paint);
    RefreshChecks();
    RefreshStatusBar();
}
