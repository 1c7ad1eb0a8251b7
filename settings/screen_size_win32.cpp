#include "settings/screen_size.h"

#include <windows.h>

bool VirtualScreenSize(int32_t* width, int32_t* height) {
    *width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    *height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    return *width > 0 && *height > 0;
}
