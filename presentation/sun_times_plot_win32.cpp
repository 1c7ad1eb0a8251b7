// Drawing the plot with GDI, in logical units, so that the same calls serve
// the main window and the printer's page.
#include "presentation/sun_times_plot.h"

#include <cwchar>

#include "presentation/plot_scale.h"
#include "presentation/presentation_state.h"
#include "presentation/sun_times_plot_content.h"
#include "support/bounded_format.h"
#include "suntimes/sun_times_series.h"
#include "ui/win32_support.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const int kTitleLineHeight = 12;
const int kDateLabelLineHeight = 10;

void PutText(HDC dc, int x, int y, const wchar_t* text) {
    TextOutW(dc, x, y, text, static_cast<int>(wcslen(text)));
}

void DrawTitles(HDC dc, const RECT& rect) {
    wchar_t title[kPlotTitleLength];
    FormatPlotLegendLine(title, kPlotTitleLength);
    PutText(dc, rect.left, rect.top + 1, title);
    FormatPlotPlaceLine(title, kPlotTitleLength);
    PutText(dc, rect.left, rect.top + 1 + kTitleLineHeight, title);
    FormatPlotKindLine(title, kPlotTitleLength);
    PutText(dc, rect.left, rect.top + 1 + 2 * kTitleLineHeight, title);
    PutText(dc, rect.left + 42, rect.bottom - 45, L"Date");
}

// Value labels at the left, dotted lines across the plot.
void DrawValueGrid(HDC dc, const RECT& rect, int mode) {
    const int lines = PlotGridLineCount();
    for (int line = 0; line < lines; ++line) {
        const double value = PlotGridValue(line);
        const int y = PlotY(rect.top, value);
        wchar_t label[kPlotTitleLength];
        FormatPlotValueLabel(value, mode, label, kPlotTitleLength);
        PutText(dc, rect.left, y - 8, label);
        MoveToEx(dc, rect.left + kPlotLeftMargin, y, nullptr);
        LineTo(dc, rect.right - kPlotRightMargin, y);
    }
}

// "month/day" written downwards, one character under the other.
void DrawDateLabel(HDC dc, int x, int y, int dayOfYear) {
    wchar_t label[kPlotTitleLength];
    FormatPlotDateLabel(dayOfYear, label, kPlotTitleLength);
    for (int i = 0; label[i] != L'\0'; ++i)
        TextOutW(dc, x - 4, y + 6 + i * kDateLabelLineHeight, &label[i], 1);
}

void DrawDayGrid(HDC dc, const RECT& rect, bool labelEveryGridLine) {
    const int dayCount = sunTimesSeries.dayCount;
    const int last = PlotDayDivisor(dayCount);
    const int every = PlotGridDays(dayCount);
    const int foot = PlotGridFoot(rect.top);
    for (int i = 0; i <= last; i += every) {
        const int x = PlotX(rect.left, i, dayCount);
        MoveToEx(dc, x, foot, nullptr);
        LineTo(dc, x, rect.top + kPlotTopMargin);
        if (labelEveryGridLine || i % (2 * every) == 0)
            DrawDateLabel(dc, x, foot, PlotDayOfYear(i));
    }
}

// One slot's curve. Each point has its own pen in the colour of its day, so a
// segment takes the colour of the day it ends on.
void DrawCurve(HDC dc, const RECT& rect, int slot, int mode) {
    const SunTimesSeries& s = sunTimesSeries;
    const int last = PlotDayDivisor(s.dayCount);
    for (int i = 0; i <= last; ++i) {
        const SunEvent& event = s.records[PlotDayOfYear(i)].events[slot];
        double value = 0.0;
        if (!PlotPointValue(event, mode, &value)) return;
        const int x = PlotX(rect.left, i, s.dayCount);
        const int y = PlotY(rect.top, value);
        const PlotColor color = PlotPointColor(slot, event.polarState);
        HPEN pen = CreatePen(PS_SOLID, 2, RGB(color.red, color.green, color.blue));
        HGDIOBJ previous = pen != nullptr ? SelectObject(dc, pen) : nullptr;
        if (i == 0)
            MoveToEx(dc, x, y, nullptr);
        else
            LineTo(dc, x, y);
        // A pen still selected cannot be deleted: give the DC its pen back first.
        if (previous != nullptr) SelectObject(dc, previous);
        if (pen != nullptr) DeleteObject(pen);
    }
}

} // namespace

void DrawSunTimesPlot(HDC dc, const RECT& rect, bool labelEveryGridLine) {
    const SunTimesSeries& s = sunTimesSeries;
    if (dc == nullptr || s.dayCount <= 0) return;
    if (plotLabelFont == nullptr) CreateFonts();
    UpdatePlotScale(rect.right - rect.left, rect.bottom - rect.top);
    const int mode = PresentationMode();

    const int savedDc = SaveDC(dc);
    const int previousGraphicsMode = SetGraphicsMode(dc, GM_ADVANCED);
    SetBkColor(dc, kWhite);
    SetTextColor(dc, kBlack);
    HRGN area = CreateRectRgnIndirect(&rect);
    HBRUSH white = CreateSolidBrush(kWhite);
    if (area != nullptr && white != nullptr) FillRgn(dc, area, white);

    HPEN dotted = CreatePen(PS_DOT, 1, kBlack);
    HGDIOBJ previousPen = dotted != nullptr ? SelectObject(dc, dotted) : nullptr;
    HGDIOBJ previousFont = plotLabelFont != nullptr ? SelectObject(dc, plotLabelFont) : nullptr;

    DrawTitles(dc, rect);
    DrawValueGrid(dc, rect, mode);
    DrawDayGrid(dc, rect, labelEveryGridLine);
    if (previousPen != nullptr) SelectObject(dc, previousPen);
    if (dotted != nullptr) DeleteObject(dotted);

    for (int slot = 0; slot < kSunEventCount; ++slot)
        if (s.showEvent[slot]) DrawCurve(dc, rect, slot, mode);

    if (previousFont != nullptr) SelectObject(dc, previousFont);
    if (previousGraphicsMode != 0) SetGraphicsMode(dc, previousGraphicsMode);
    if (area != nullptr) DeleteObject(area);
    if (white != nullptr) DeleteObject(white);
    if (savedDc != 0) RestoreDC(dc, savedDc);
}
