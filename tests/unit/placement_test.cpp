#include "ui/placement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tavrel {
namespace {

// A 1024 x 768 screen at 15 twips per pixel, and a 3000 x 2000 twip chooser.
constexpr double kScreenW = 1024 * 15;
constexpr double kScreenH = 768 * 15;

constexpr double kP = 15;  // twips per pixel
constexpr TaskbarRect kPrimaryBar{1040 * 15, 0, 1920 * 15, 40 * 15};

constexpr double kAny = std::numeric_limits<double>::quiet_NaN();  // not checked

// A single monitor, and monitors of 1920 x 1080 and 1024 x 768 pixels at 15 twips per pixel
// arranged around the primary one at 0,0. Each case gives the monitor under the pointer, the main
// taskbar (at the bottom of the primary unless said otherwise) and where the 3000 x 2000 chooser
// must go.
struct MultiMonitorCase {
  const char* what;
  TwipsRect bounds, work;
  double x, y;
  double left, top;
  TaskbarRect taskbar = kPrimaryBar;
};

class PlacementOnMonitors : public ::testing::TestWithParam<MultiMonitorCase> {};

TEST_P(PlacementOnMonitors, StaysOnTheMonitorUnderThePointer) {
  const MultiMonitorCase& c = GetParam();
  SCOPED_TRACE(c.what);
  const auto p =
      PositionAtCursor({c.x, c.y, 1500, 1000, 3000, 2000, {c.bounds, c.work}, c.taskbar});
  EXPECT_DOUBLE_EQ(p.left, std::isnan(c.left) ? p.left : c.left);
  EXPECT_DOUBLE_EQ(p.top, std::isnan(c.top) ? p.top : c.top);
  EXPECT_GE(p.left, c.bounds.left);
  EXPECT_LE(p.left + 3000, c.bounds.right);
  EXPECT_GE(p.top, c.bounds.top);
  EXPECT_LE(p.top + 2000, c.bounds.bottom);
}

constexpr TwipsRect kLeft{-1024 * kP, 200 * kP, 0, 968 * kP};  // left of the primary, lower
constexpr TwipsRect kAbove{0, -768 * kP, 1024 * kP, 0};        // above the primary
constexpr TwipsRect kRight{1920 * kP, 0, 2944 * kP, 768 * kP};
// The secondary's own taskbar, 30 pixels at its bottom, shows only in its work area.
constexpr TwipsRect kLeftWork{-1024 * kP, 200 * kP, 0, 938 * kP};
// A portrait monitor left of the primary and lower. The primary's left taskbar, auto-hidden, lies
// over its right edge from its top down; the bar's part above that top makes it count as a bar
// along the side, not as a band across the top.
constexpr TwipsRect kLowLeft{-1200 * kP, 500 * kP, 0, 2000 * kP};
constexpr TaskbarRect kHiddenLeftBar{0, -58 * 15, 60 * 15, 1080 * 15};

constexpr TwipsRect kOne{0, 0, kScreenW, kScreenH};
constexpr TaskbarRect kBottom{738 * 15, 0, 1024 * 15, 30 * 15};
constexpr TaskbarRect kTop{0, 0, 1024 * 15, 30 * 15};
constexpr TaskbarRect kLeftBar{0, 0, 60 * 15, 768 * 15};
constexpr TaskbarRect kRightBar{0, (1024 - 60) * 15, 60 * 15, 768 * 15};
constexpr TaskbarRect kNoBar{};

// A second monitor's own bar shows only in its work area: along its right or left side, or at
// its top.
constexpr TwipsRect kRightWorkRight{1920 * kP, 0, 2884 * kP, 768 * kP};
constexpr TwipsRect kRightWorkLeft{1980 * kP, 0, 2944 * kP, 768 * kP};
constexpr TwipsRect kRightWorkTop{1920 * kP, 30 * kP, 2944 * kP, 768 * kP};
using C = MultiMonitorCase;

INSTANTIATE_TEST_SUITE_P(
    OneTwoAndThreeMonitors, PlacementOnMonitors,
    ::testing::Values(C{"one, bottom bar, pointer low: above its band", kOne, kOne, 7000,
                        kScreenH - 10, kAny, kScreenH - 30 * 15 - 75 - 2000, kBottom},
                      C{"one, top bar: below its band", kOne, kOne, 7000, 0, kAny, 450 + 75, kTop},
                      C{"one, left bar: a double margin", kOne, kOne, 0, 5000, 900 + 75 + 75, kAny,
                        kLeftBar},
                      C{"one, right bar: clear of it", kOne, kOne, kScreenW, 5000,
                        kScreenW - 3000 - 900 - 75, kAny, kRightBar},
                      C{"one, no bar: a margin at the top left", kOne, kOne, 0, 0, 75, 75, kNoBar},
                      // Ending inside the margin at the right or the bottom counts as running over.
                      C{"one, no bar: ending inside the margin", kOne, kOne, kScreenW - 1530,
                        kScreenH - 1030, kScreenW - 3000 - 75, kScreenH - 2000 - 75, kNoBar},
                      C{"left monitor with its own taskbar at the bottom", kLeft, kLeftWork, -8000,
                        968 * kP - 1, -9500, 968 * kP - 30 * kP - 75 - 2000},
                      C{"monitor above, pointer on its bottom edge: the primary's bar is not its",
                        kAbove, kAbove, 7000, -1, 5500, -75 - 2000},
                      C{"third monitor with a bar along its right side in the work area", kRight,
                        kRightWorkRight, 2944 * kP - 1, 5000, 2884 * kP - 75 - 3000, 4000},
                      C{"third monitor with a bar along its left side: a double margin", kRight,
                        kRightWorkLeft, 1920 * kP, 5000, 1980 * kP + 75 + 75, 4000},
                      C{"third monitor with a bar at its top", kRight, kRightWorkTop, 38000, 0,
                        36500, 30 * kP + 75},
                      C{"low monitor on the left, the main bar hidden at its right edge", kLowLeft,
                        kLowLeft, -1, 15000, -60 * kP - 75 - 3000, 14000, kHiddenLeftBar}));

TEST(Placement, RoundsHalvesToEven) {
  const std::pair<double, std::int32_t> cases[] = {{2.5, 2},
                                                   {3.5, 4},
                                                   {-2.5, -2},
                                                   {2.4, 2},
                                                   {2.6, 3},
                                                   {2147483647.4, 2147483647},
                                                   {1e300 / 1e-300, 2147483647},
                                                   {-1e300 / 1e-300, -2147483647 - 1},
                                                   {std::nan(""), 0}};
  for (const auto& [value, rounded] : cases)
    EXPECT_EQ(RoundHalfEven(value), rounded) << value;
}

}  // namespace
}  // namespace tavrel
