#include "ui/placement.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

// A 1024 x 768 screen at 15 twips per pixel, and a 3000 x 2000 twip chooser.
constexpr double kScreenW = 1024 * 15;
constexpr double kScreenH = 768 * 15;

PlacementRequest At(double x, double y, TaskbarRect taskbar) {
  PlacementRequest r;
  r.pointerX = x;
  r.pointerY = y;
  r.offsetH = 1500;
  r.offsetV = 1000;
  r.windowWidth = 3000;
  r.windowHeight = 2000;
  r.monitor.bounds = {0, 0, kScreenW, kScreenH};
  r.monitor.work = r.monitor.bounds;
  r.taskbar = taskbar;
  return r;
}

TEST(Placement, CentredOnThePointerWhenThereIsRoom) {
  const auto p = PlaceAtPointer(At(7000, 5000, {11070, 0, 15360, 450}));
  EXPECT_DOUBLE_EQ(p.left, 5500);
  EXPECT_DOUBLE_EQ(p.top, 4000);
}

TEST(Placement, TaskbarAtTheBottomKeepsTheChooserAboveItsBand) {
  const TaskbarRect bottom{738 * 15, 0, 1024 * 15, 30 * 15};
  const auto low = PlaceAtPointer(At(7000, kScreenH - 10, bottom));
  EXPECT_DOUBLE_EQ(kScreenH - (low.top + 2000), 30 * 15 + 75);
  const auto high = PlaceAtPointer(At(7000, 10, bottom));
  EXPECT_DOUBLE_EQ(high.top, 75);
}

TEST(Placement, TaskbarAtTheTopKeepsTheChooserBelowItsBand) {
  const TaskbarRect top{0, 0, 1024 * 15, 30 * 15};
  EXPECT_DOUBLE_EQ(PlaceAtPointer(At(7000, 0, top)).top, 450 + 75);
  const auto low = PlaceAtPointer(At(7000, kScreenH, top));
  EXPECT_DOUBLE_EQ(low.top, kScreenH - 2000 - 75);
}

TEST(Placement, TaskbarOnTheLeftKeepsADoubleMargin) {
  const TaskbarRect left{0, 0, 60 * 15, 768 * 15};
  const auto p = PlaceAtPointer(At(0, 5000, left));
  EXPECT_DOUBLE_EQ(p.left, 900 + 75 + 75);
  EXPECT_DOUBLE_EQ(PlaceAtPointer(At(0, 0, left)).top, 0) << "no band at the top";
  EXPECT_DOUBLE_EQ(PlaceAtPointer(At(kScreenW, 5000, left)).left, kScreenW - 3000 - 75);
}

TEST(Placement, TaskbarOnTheRightKeepsTheChooserClearOfIt) {
  const TaskbarRect right{0, (1024 - 60) * 15, 60 * 15, 768 * 15};
  const auto p = PlaceAtPointer(At(kScreenW, 5000, right));
  EXPECT_DOUBLE_EQ(kScreenW - (p.left + 3000), 900 + 75);
  EXPECT_DOUBLE_EQ(PlaceAtPointer(At(0, 5000, right)).left, 75);
}

TEST(Placement, NoTaskbarLeavesAMarginOnEverySide) {
  const TaskbarRect none{};
  EXPECT_DOUBLE_EQ(PlaceAtPointer(At(0, 0, none)).left, 75);
  EXPECT_DOUBLE_EQ(PlaceAtPointer(At(0, 0, none)).top, 75);
  const auto far = PlaceAtPointer(At(kScreenW, kScreenH, none));
  EXPECT_DOUBLE_EQ(far.left, kScreenW - 3000 - 75);
  EXPECT_DOUBLE_EQ(far.top, kScreenH - 2000 - 75);
  // Ending inside the margin at the right or the bottom counts as running over.
  const auto near = PlaceAtPointer(At(kScreenW - 1530, kScreenH - 1030, none));
  EXPECT_DOUBLE_EQ(near.left, kScreenW - 3000 - 75);
  EXPECT_DOUBLE_EQ(near.top, kScreenH - 2000 - 75);
}

TEST(Placement, TaskbarPartlyOffTheTopCountsItsHiddenPart) {
  // Auto-hidden at the top: 2 pixels showing of 30; it still lies across the screen.
  const TaskbarRect hidden{-28 * 15, 0, 1024 * 15, 30 * 15};
  EXPECT_DOUBLE_EQ(PlaceAtPointer(At(7000, 0, hidden)).top, 450 + 75);
}

constexpr double kP = 15;  // twips per pixel
constexpr TaskbarRect kPrimaryBar{1040 * 15, 0, 1920 * 15, 40 * 15};

// Monitors of 1920 x 1080 and 1024 x 768 pixels at 15 twips per pixel, arranged around the
// primary one at 0,0. Each case gives the monitor under the pointer, the main taskbar (at the
// bottom of the primary unless said otherwise) and where the 3000 x 2000 chooser must go.
struct MultiMonitorCase {
  const char* what;
  TwipsRect bounds;
  TwipsRect work;
  double x, y;
  double left, top;
  TaskbarRect taskbar = kPrimaryBar;
};

class PlacementOnMonitors : public ::testing::TestWithParam<MultiMonitorCase> {};

TEST_P(PlacementOnMonitors, StaysOnTheMonitorUnderThePointer) {
  const MultiMonitorCase& c = GetParam();
  SCOPED_TRACE(c.what);
  PlacementRequest r = At(c.x, c.y, c.taskbar);
  r.monitor = {c.bounds, c.work};
  const auto p = PlaceAtPointer(r);
  EXPECT_DOUBLE_EQ(p.left, c.left);
  EXPECT_DOUBLE_EQ(p.top, c.top);
  EXPECT_GE(p.left, c.bounds.left);
  EXPECT_LE(p.left + 3000, c.bounds.right);
  EXPECT_GE(p.top, c.bounds.top);
  EXPECT_LE(p.top + 2000, c.bounds.bottom);
}

constexpr TwipsRect kPrimary{0, 0, 1920 * kP, 1080 * kP};
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

INSTANTIATE_TEST_SUITE_P(
    TwoAndThreeMonitors, PlacementOnMonitors,
    ::testing::Values(
        MultiMonitorCase{"primary, centred, as with one monitor", kPrimary, kPrimary, 7000, 5000,
                         5500, 4000},
        MultiMonitorCase{"primary, pointer low: above the main taskbar", kPrimary, kPrimary, 7000,
                         1079 * kP, 5500, 1040 * kP - 75 - 2000},
        MultiMonitorCase{"left monitor, centred, negative coordinates", kLeft, kLeft, -8000, 8000,
                         -9500, 7000},
        MultiMonitorCase{"left monitor, pointer on its right edge: stays left of the primary",
                         kLeft, kLeft, -1, 8000, -75 - 3000, 7000},
        MultiMonitorCase{"left monitor, pointer on its left edge", kLeft, kLeft, -1024 * kP, 8000,
                         -1024 * kP + 75, 7000},
        MultiMonitorCase{"left monitor, pointer at its top edge", kLeft, kLeft, -8000, 200 * kP,
                         -9500, 200 * kP + 75},
        MultiMonitorCase{"left monitor with its own taskbar at the bottom", kLeft, kLeftWork, -8000,
                         968 * kP - 1, -9500, 968 * kP - 30 * kP - 75 - 2000},
        MultiMonitorCase{"monitor above, pointer on its bottom edge: the primary's bar is not its",
                         kAbove, kAbove, 7000, -1, 5500, -75 - 2000},
        MultiMonitorCase{"monitor above, pointer at its top left corner", kAbove, kAbove, 0,
                         -768 * kP, 75, -768 * kP + 75},
        MultiMonitorCase{"third monitor right of the primary, pointer on its left edge", kRight,
                         kRight, 1920 * kP, 5000, 1920 * kP + 75, 4000},
        MultiMonitorCase{"third monitor with a bar along its right side in the work area",
                         kRight,
                         {1920 * kP, 0, 2884 * kP, 768 * kP},
                         2944 * kP - 1,
                         5000,
                         2884 * kP - 75 - 3000,
                         4000},
        MultiMonitorCase{"third monitor with a bar along its left side: a double margin",
                         kRight,
                         {1980 * kP, 0, 2944 * kP, 768 * kP},
                         1920 * kP,
                         5000,
                         1980 * kP + 75 + 75,
                         4000},
        MultiMonitorCase{"third monitor with a bar at its top",
                         kRight,
                         {1920 * kP, 30 * kP, 2944 * kP, 768 * kP},
                         38000,
                         0,
                         36500,
                         30 * kP + 75},
        MultiMonitorCase{"low monitor on the left, the main bar hidden at its right edge", kLowLeft,
                         kLowLeft, -1, 15000, -60 * kP - 75 - 3000, 14000, kHiddenLeftBar}));

TEST(Placement, RoundsHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4), 2);
  EXPECT_EQ(RoundHalfEven(2.6), 3);
}

}  // namespace
}  // namespace tavrel
