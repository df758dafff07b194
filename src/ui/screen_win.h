// Screen measures and moving a window to the pointer, in twips.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/placement.h"

namespace tavrel {

double TwipsPerPixelX();
double TwipsPerPixelY();

// Size of the primary screen in pixels, or in twips when inTwips is set.
void GetScreenSize(std::int32_t& width, std::int32_t& height, bool inTwips);

// The rectangle of the taskbar window in twips; all zero when there is none.
TaskbarRect GetTaskbarRect();

// Moves the window so that the pointer lies offsetH and offsetV twips into it, inside the screen
// and clear of the taskbar; keeps its size.
void PlaceAtCursor(HWND window, double offsetH, double offsetV);

}  // namespace tavrel
