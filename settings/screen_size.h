// The size of the whole desktop across all monitors, against which remembered
// window positions are clamped.
#pragma once

#include <cstdint>

// Width and height in pixels. False (and zeros) when the system cannot tell,
// as without a display; positions are then left unclamped.
bool VirtualScreenSize(int32_t* width, int32_t* height);
