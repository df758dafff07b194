#include "ui/placement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavrel {

std::int32_t RoundHalfEven(double value) {
  constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  if (std::isnan(value)) return 0;
  if (value <= kLowest) return std::numeric_limits<std::int32_t>::min();
  if (value >= kHighest) return std::numeric_limits<std::int32_t>::max();
  const double floor = std::floor(value);
  const double diff = value - floor;
  double rounded = floor;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0.0)) rounded = floor + 1;
  return static_cast<std::int32_t>(rounded);
}

namespace {

// A taskbar relative to its monitor's top left corner.
struct Bar {
  double top = 0;
  double left = 0;
  double width = 0;
  double height = 0;
};

bool Overlaps(const TaskbarRect& tb, const TwipsRect& r) {
  return tb.Width > 0 && tb.Height > 0 && tb.Left < r.right && tb.Left + tb.Width > r.left &&
         tb.Top < r.bottom && tb.Top + tb.Height > r.top;
}

// The main taskbar when it lies on the monitor, else the widest band the work area leaves free
// at one edge; all zero when the work area is the whole monitor.
Bar BarOn(const MonitorArea& m, const TaskbarRect& tb) {
  const TwipsRect& b = m.bounds;
  if (Overlaps(tb, b))
    return {tb.Top - b.top, tb.Left - b.left, static_cast<double>(tb.Width),
            static_cast<double>(tb.Height)};
  const double top = m.work.top - b.top;
  const double bottom = b.bottom - m.work.bottom;
  const double left = m.work.left - b.left;
  const double right = b.right - m.work.right;
  const double widest = std::max({top, bottom, left, right});
  if (widest <= 0) return {};
  if (widest == top) return {0, 0, b.Width(), top};
  if (widest == bottom) return {b.Height() - bottom, 0, b.Width(), bottom};
  if (widest == left) return {0, 0, left, b.Height()};
  return {0, b.Width() - right, right, b.Height()};
}

}  // namespace

WindowPosition PositionAtCursor(const PlacementRequest& r) {
  const TwipsRect& monitor = r.monitor.bounds;
  const Bar tb = BarOn(r.monitor, r.taskbar);
  const double screenW = monitor.Width();
  const double screenH = monitor.Height();

  // Which way the taskbar lies, and the band it reserves (with the margin when it lies across
  // or along the monitor). A bar pushed partly off the monitor counts with its hidden part.
  double extentV = tb.height;
  if (tb.top < 0) extentV += -tb.top;
  double extentH = tb.width;
  if (tb.left < 0) extentH += -tb.left;
  double bandV = 0;
  double bandH = 0;
  if (extentV < screenH) {
    bandV = tb.height + kPlacementMargin;
  } else if (extentH < screenW) {
    bandH = tb.width + kPlacementMargin;
  } else {
    bandV = tb.height;
    bandH = tb.width;
  }

  double top = r.pointerY - monitor.top - r.offsetV;
  if (tb.top <= 0) {
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

  double left = r.pointerX - monitor.left - r.offsetH;
  if (tb.left <= 0) {
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
  return {monitor.left + left, monitor.top + top};
}

}  // namespace tavrel
