// Where the chooser goes: centred on the pointer, inside the monitor under the pointer, clear of
// the taskbar on that monitor. All lengths are twips (1/1440 inch) in screen coordinates, which
// may be negative on a monitor left of or above the primary one.
#pragma once

#include <cstdint>

namespace tavrel {

// The taskbar window's rectangle on the screen; all zero when there is no taskbar.
struct TaskbarRect {
  std::int32_t Top = 0;
  std::int32_t Left = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
};

// Left and top inclusive, right and bottom exclusive.
struct TwipsRect {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
  double Width() const { return right - left; }
  double Height() const { return bottom - top; }
};

// One monitor: its whole rectangle and its work area, the part no taskbar or docked bar covers.
struct MonitorArea {
  TwipsRect bounds;
  TwipsRect work;
};

// Gap kept between the chooser and the screen edges or the taskbar (5 pixels at 96 dpi).
constexpr double kPlacementMargin = 75;

struct PlacementRequest {
  double pointerX = 0;  // the pointer in the window's terms: window left + client x of the pointer
  double pointerY = 0;
  double offsetH = 0;  // subtracted from the pointer: half the inner width and height
  double offsetV = 0;
  double windowWidth = 0;
  double windowHeight = 0;
  MonitorArea monitor;  // the monitor under the pointer
  TaskbarRect taskbar;  // the main taskbar, wherever it is
};

struct WindowPosition {
  double left = 0;
  double top = 0;
};

// The window's new left and top: the pointer minus the offsets, pushed inside the monitor and
// off the band the taskbar reserves there. The main taskbar counts when it overlaps the monitor;
// otherwise a band where the work area stops short of the monitor's edge (a taskbar of a
// secondary monitor, a docked bar) takes its place.
WindowPosition PositionAtCursor(const PlacementRequest& request);

// Rounds to the nearest whole number, halves to even. A value beyond the 32-bit range gives its
// end; one that is not a number gives 0.
std::int32_t RoundHalfEven(double value);

}  // namespace tavrel
