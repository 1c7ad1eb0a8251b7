// The internet test's lines in the status bar's left column: the LAN and
// internet state on line 2, the date and time on line 3. Windows only.
#pragma once

#include <windows.h>

// Draws both lines (statusBarLeftColumnPainter of ui/win32_status_bar.h) and
// writes a pending error to the error log, once. The device context's text
// colour is left as it was found.
void PaintInternetStatus(HDC dc, const RECT& part, int lineHeight);
