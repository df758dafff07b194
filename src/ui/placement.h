// Where the chooser goes: centred on the pointer, inside the screen, clear of the taskbar.
// All lengths are twips (1/1440 inch).
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

// Gap kept between the chooser and the screen edges or the taskbar (5 pixels at 96 dpi).
constexpr double kPlacementMargin = 75;

struct PlacementRequest {
  double pointerX = 0;  // the pointer in the window's terms: window left + client x of the pointer
  double pointerY = 0;
  double offsetH = 0;  // subtracted from the pointer: half the inner width and height
  double offsetV = 0;
  double windowWidth = 0;
  double windowHeight = 0;
  double screenWidth = 0;
  double screenHeight = 0;
  TaskbarRect taskbar;
};

struct WindowPosition {
  double left = 0;
  double top = 0;
};

// The window's new left and top: the pointer minus the offsets, pushed inside the screen and
// off the band the taskbar reserves.
WindowPosition PlaceAtPointer(const PlacementRequest& request);

// Rounds to the nearest whole number, halves to even.
std::int32_t RoundHalfEven(double value);

}  // namespace tavrel
