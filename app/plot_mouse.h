// Mouse messages on the plot: clicks and the wheel zoom, drags pan.
// Windows only.
#pragma once

#include "support/platform_types.h"

void HandlePlotMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
