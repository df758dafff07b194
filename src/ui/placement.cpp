#include "ui/placement.h"

#include <cmath>

namespace tavrel {

std::int32_t RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double diff = value - floor;
  double rounded = floor;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0.0)) rounded = floor + 1;
  return static_cast<std::int32_t>(rounded);
}

WindowPosition PlaceAtPointer(const PlacementRequest& r) {
  const TaskbarRect& tb = r.taskbar;
  const double screenW = r.screenWidth;
  const double screenH = r.screenHeight;

  // Which way the taskbar lies, and the band it reserves (with the margin when it lies across
  // or along the screen). A bar pushed partly off the screen counts with its hidden part.
  double extentV = tb.Height;
  if (tb.Top < 0) extentV += -static_cast<double>(tb.Top);
  double extentH = tb.Width;
  if (tb.Left < 0) extentH += -static_cast<double>(tb.Left);
  double bandV = 0;
  double bandH = 0;
  if (extentV < screenH) {
    bandV = tb.Height + kPlacementMargin;
  } else if (extentH < screenW) {
    bandH = tb.Width + kPlacementMargin;
  } else {
    bandV = tb.Height;
    bandH = tb.Width;
  }

  double top = r.pointerY - r.offsetV;
  if (tb.Top <= 0) {
    if (top < bandV) {
      top = bandV;
    } else if (r.windowHeight + top > screenH - kPlacementMargin) {
      top = screenH - r.windowHeight - kPlacementMargin;
    }
  } else {
    if (r.windowHeight + top > screenH - bandV) {
      top = screenH - r.windowHeight - bandV;
    } else if (top < kPlacementMargin) {
      top = kPlacementMargin;
    }
  }

  double left = r.pointerX - r.offsetH;
  if (tb.Left <= 0) {
    if (left < bandH + kPlacementMargin) {
      left = bandH + kPlacementMargin;
    } else if (r.windowWidth + left > screenW - kPlacementMargin) {
      left = screenW - r.windowWidth - kPlacementMargin;
    }
  } else {
    if (left < kPlacementMargin) {
      left = kPlacementMargin;
    } else if (r.windowWidth + left > screenW - bandH) {
      left = screenW - r.windowWidth - bandH;
    }
  }
  return {left, top};
}

}  // namespace tavrel
