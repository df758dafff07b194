// The monitor under the pointer, the taskbar, and moving a window to the pointer, in twips of
// the window's own density.
#pragma once

#include <windows.h>

#include "ui/chooser_layout.h"
#include "ui/placement.h"

namespace tavrel {

// The pointer's position on the screen, in pixels. Read it before the windows to be placed change,
// and place by that reading: for 100 ms after any window changes, Wine answers the position it
// last saw itself, which may be old, instead of asking the display.
POINT PointerPosition();

// The monitor that holds the point (the nearest one if none does), in pixels.
MONITORINFO MonitorAt(POINT point);

// Whether the window lies (mostly) on the monitor that holds the point.
bool IsOnMonitorAt(HWND window, POINT point);

// The monitor's rectangle and work area in twips at the window's density.
MonitorArea ToTwips(const MONITORINFO& monitor, HWND window);

// The rectangle of the main taskbar window in twips; all zero when there is none or it is hidden.
TaskbarRect GetTaskbarRect(HWND window);

// Gives the window its new size (pixels) and moves it so that the pointer (screen pixels, as
// PointerPosition read it) lies offsetH and offsetV twips into it, inside the pointer's monitor
// and clear of the taskbar there.
void PlaceAtCursor(HWND window, POINT pointer, Size size, double offsetH, double offsetV);

}  // namespace tavrel
