#include "ui/column_widths.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(ColumnWidths, TheNameColumnGivesWayFirst) {
  struct Case {
    const char* what;
    ColumnWidths wanted;
    int available;
    ColumnWidths fitted;
  } cases[] = {
      {"fits: kept", {300, 100}, 400, {300, 100}},
      {"a long name: only the name narrows", {30000, 180}, 1000, {820, 180}},
      {"the version alone is wider: the name keeps its minimum", {600, 2000}, 500, {80, 420}},
      {"a short name is not widened", {50, 2000}, 500, {50, 450}},
      {"less room than the name's minimum", {600, 100}, 50, {50, 0}},
      {"no room", {600, 100}, -10, {0, 0}},
  };
  for (const Case& c : cases) {
    const ColumnWidths w = FitColumns(c.wanted, c.available, 80);
    EXPECT_EQ(w.name, c.fitted.name) << c.what;
    EXPECT_EQ(w.version, c.fitted.version) << c.what;
  }
}

}  // namespace
}  // namespace tavrel
