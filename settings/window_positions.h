// Remembered screen rectangles of the program's windows: entry 0 is the main
// window, the others belong to the program's other windows. An entry whose
// right or bottom is 0 is empty. Rectangles are kept without the cascade
// offset that separates running copies of the program.
#pragma once

#include <cstdint>

enum { kPositionCount = 16 };

// The main window's place and size when none is remembered.
enum { kDefaultMainLeft = 75, kDefaultMainWidth = 700, kDefaultMainHeight = 550 };

enum PositionEntry {
    kPositionMainWindow = 0,
    kPositionSelectionDialog = 1,
    kPositionDisplayToolbar = 8,
    kPositionSunTimesToolbar = 9,
    kPositionHelpToolbar = 10,
    kPositionFileToolbar = 11,
    kPositionLocationDialog = 12,
    kPositionSearchHistory = 13,
    kPositionInternetSetup = 14,
    kPositionHelpWindow = 15,
};

struct PositionRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

extern PositionRect windowPositions[kPositionCount];
// Pixels added to every remembered position: 25 per earlier running copy.
extern int32_t cascadeOffset;

bool IsPositionEmpty(const PositionRect& rect);
// Empties every entry.
void ResetPositions();
// Pulls a rectangle onto a screen of the given size: an edge outside the
// screen goes to 0 (left, top) or to the screen's far edge (right, bottom).
void ClampToScreen(PositionRect* rect, int32_t screenWidth, int32_t screenHeight);
// A window rectangle as remembered: less the cascade offset; an edge left of
// or above the screen becomes 0 with the width or height kept.
PositionRect RememberedRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
