#include "services/internet_status.h"

#include <cwchar>

#include "datetime/date_time_format.h"
#include "services/connection_probe.h"
#include "services/internet_test.h"

namespace {

const COLORREF kGreen = RGB(20, 132, 8);
const COLORREF kRed = RGB(255, 0, 0);

// Draws `text` at x and returns the x behind it.
int DrawPiece(HDC dc, int x, int y, const RECT& clip, const wchar_t* text, COLORREF color) {
    SetTextColor(dc, color);
    const UINT length = static_cast<UINT>(std::wcslen(text));
    ExtTextOutW(dc, x, y, ETO_CLIPPED, &clip, text, length, nullptr);
    SIZE size{};
    GetTextExtentPoint32W(dc, text, static_cast<int>(length), &size);
    return x + size.cx;
}

} // namespace

void PaintInternetStatus(HDC dc, const RECT& part, int lineHeight) {
    LogPendingErrorOnce();
    const COLORREF textColor = GetTextColor(dc);
    InternetStatusLine line;
    FormatInternetStatusLine(ConnectionState(), AnsweredCount(), &line);
    const int left = part.left + 1;
    const int y = part.top + lineHeight;
    const int x = DrawPiece(dc, left, y, part, line.lanPart, line.lanGreen ? kGreen : kRed);
    if (line.internetPart[0] != L'\0')
        DrawPiece(dc, x, y, part, line.internetPart, line.internetGreen ? kGreen : kRed);
    CaptureLocalDateTime();
    FormatDateTime(0);
    DrawPiece(dc, left, y + lineHeight, part, DateTimeText(), kGreen);
    SetTextColor(dc, textColor);
}
