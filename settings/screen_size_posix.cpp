#include "settings/screen_size.h"

// The native build has no desktop; it stands in with a common full-HD one.
bool VirtualScreenSize(int32_t* width, int32_t* height) {
    *width = 1920;
    *height = 1080;
    return true;
}
