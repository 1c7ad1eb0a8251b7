// How a text is laid out on printed pages: the logical page is enlarged
// in proportion when the longest line is wider than it, it is mapped onto
// the paper within the margins (given in thousandths of an inch), and the
// lines that fit on one page are counted. Pure arithmetic; the Windows page printer
// (presentation/print.h) feeds it the printer's and the font's figures.
#pragma once

struct PageRect {
    int left, top, right, bottom;
};

struct TextPagesInput {
    PageRect page;       // the logical page, (0, 0, 700, 550)
    PageRect margins;    // thousandths of an inch
    int textWidth;       // logical width of the longest line
    int printableWidth;  // device pixels (HORZRES)
    int printableHeight; // device pixels (VERTRES)
    int pixelsPerInchX;  // LOGPIXELSX
    int pixelsPerInchY;  // LOGPIXELSY
    int lineHeight;      // character height + external leading, logical units
};

struct TextPagesLayout {
    int windowExtentX, windowExtentY; // the anisotropic mapping's window
    int viewportExtentX, viewportExtentY;
    PageRect text; // where the lines are drawn, logical units
};

// False (layout untouched) when a figure makes no layout: an empty page,
// printer or resolution.
bool LayOutTextPages(const TextPagesInput& in, TextPagesLayout* out);

// The lines of `lineHeight` logical units (the font's height as the mapped
// printer sees it) that fit into the text rectangle; at least 1.
int LinesPerPage(const PageRect& text, int lineHeight);
