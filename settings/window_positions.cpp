#include "settings/window_positions.h"

PositionRect windowPositions[kPositionCount];
int32_t cascadeOffset = 0;

bool IsPositionEmpty(const PositionRect& rect) {
    return rect.right == 0 || rect.bottom == 0;
}

void ResetPositions() {
    for (PositionRect& rect : windowPositions)
        rect = PositionRect{0, 0, 0, 0};
}

void ClampToScreen(PositionRect* rect, int32_t screenWidth, int32_t screenHeight) {
    if (rect->left < 0 || rect->left >= screenWidth - 100) rect->left = 0;
    if (rect->top < 0 || rect->top >= screenHeight - 100) rect->top = 0;
    if (rect->right < 0 || rect->right >= screenWidth) rect->right = screenWidth;
    if (rect->bottom < 0 || rect->bottom >= screenHeight) rect->bottom = screenHeight;
}

PositionRect RememberedRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    PositionRect rect{left - cascadeOffset, top - cascadeOffset, right - cascadeOffset,
                      bottom - cascadeOffset};
    if (rect.top < 0) {
        rect.bottom -= rect.top;
        rect.top = 0;
    }
    if (rect.left < 0) {
        rect.right -= rect.left;
        rect.left = 0;
    }
    return rect;
}
