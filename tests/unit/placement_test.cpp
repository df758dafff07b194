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
  r.screenWidth = kScreenW;
  r.screenHeight = kScreenH;
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
}

TEST(Placement, TaskbarPartlyOffTheTopCountsItsHiddenPart) {
  // Auto-hidden at the top: 2 pixels showing of 30; it still lies across the screen.
  const TaskbarRect hidden{-28 * 15, 0, 1024 * 15, 30 * 15};
  EXPECT_DOUBLE_EQ(PlaceAtPointer(At(7000, 0, hidden)).top, 450 + 75);
}

TEST(Placement, RoundsHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4), 2);
  EXPECT_EQ(RoundHalfEven(2.6), 3);
}

}  // namespace
}  // namespace tavrel
