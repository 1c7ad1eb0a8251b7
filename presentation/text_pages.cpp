#include "presentation/text_pages.h"

#include <cstdint>

namespace {

// Products of page figures stay far within 64 bits; the results are pixels
// and logical units of one page.
int Scale(int64_t value, int64_t times, int64_t by) {
    return by == 0 ? 0 : static_cast<int>(value * times / by);
}

} // namespace

bool LayOutTextPages(const TextPagesInput& in, TextPagesLayout* out) {
    const int pageWidth = in.page.right - in.page.left;
    if (out == nullptr || pageWidth <= 0 || in.page.bottom <= 0 || in.printableWidth <= 0 ||
        in.printableHeight <= 0 || in.pixelsPerInchX <= 0 || in.pixelsPerInchY <= 0)
        return false;
    TextPagesLayout l{};
    // A text wider than the page enlarges the page in proportion, so that
    // the longest line fits across.
    int top = in.page.top;
    l.windowExtentX = in.page.right;
    l.windowExtentY = in.page.bottom;
    if (in.textWidth > pageWidth) {
        l.windowExtentX = Scale(in.page.right, in.textWidth, pageWidth);
        l.windowExtentY = Scale(in.page.bottom, in.textWidth, pageWidth);
        top = Scale(in.page.top, in.textWidth, pageWidth);
    }
    if (l.windowExtentY - top <= 0) return false;
    // Margins: on the left and at the top in logical units; on the right and
    // at the bottom they end the viewport, so that the page's logical extent
    // reaches exactly to them and nothing is drawn past the paper.
    const int unitsPerInchX = Scale(l.windowExtentX, in.pixelsPerInchX, in.printableWidth);
    const int unitsPerInchY = Scale(l.windowExtentY, in.pixelsPerInchY, in.printableHeight);
    l.text.left = Scale(in.margins.left, unitsPerInchX, 1000);
    l.text.top = top + Scale(in.margins.top, unitsPerInchY, 1000);
    l.text.right = l.windowExtentX;
    l.text.bottom = l.windowExtentY;
    l.viewportExtentX = in.printableWidth - Scale(in.margins.right, in.pixelsPerInchX, 1000);
    l.viewportExtentY = in.printableHeight - Scale(in.margins.bottom, in.pixelsPerInchY, 1000);
    if (l.viewportExtentX <= 0 || l.viewportExtentY <= 0 || l.text.top >= l.text.bottom)
        return false;
    *out = l;
    return true;
}

int LinesPerPage(const PageRect& text, int lineHeight) {
    const int lines = (text.bottom - text.top) / (lineHeight > 0 ? lineHeight : 1);
    return lines < 1 ? 1 : lines;
}
