// Dots per inch of the monitor a window is on, and the chooser's font at that density. The
// per-monitor functions exist from Windows 10 (1607) on; before that the system's density holds.
#pragma once

#include <windows.h>

namespace tavrel {

constexpr UINT kBaseDpi = 96;

// The window's dots per inch: its monitor's when the process is per-monitor aware.
UINT DpiOf(HWND window);

// Twips per pixel for the window (15 at 96 dpi).
double TwipsPerPixel(HWND window);

// pixels96 pixels at 96 dpi, scaled to dpi.
int ScaleToDpi(int pixels96, UINT dpi);

// The font the shell uses for item names (icon titles), sized for dpi.
LOGFONTW ItemFontForDpi(UINT dpi);

}  // namespace tavrel
