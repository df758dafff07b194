// The monitor under the pointer, the taskbar, and moving a window to the pointer, in twips of
// the window's own density.
#pragma once

#include <windows.h>

#include "ui/placement.h"

namespace tavrel {

// The monitor that holds the pointer (the nearest one if none does), in pixels.
MONITORINFO MonitorUnderPointer();

// Whether the window lies (mostly) on the monitor under the pointer.
bool IsOnMonitorUnderPointer(HWND window);

// The monitor's rectangle and work area in twips at the window's density.
MonitorArea ToTwips(const MONITORINFO& monitor, HWND window);

// The rectangle of the main taskbar window in twips; all zero when there is none.
TaskbarRect GetTaskbarRect(HWND window);

// Moves the window so that the pointer lies offsetH and offsetV twips into it, inside the
// monitor under the pointer and clear of the taskbar there; keeps its size.
void PlaceAtCursor(HWND window, double offsetH, double offsetV);

}  // namespace tavrel
