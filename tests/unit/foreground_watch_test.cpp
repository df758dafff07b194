#include "ui/foreground_watch.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavrel {
namespace {

using Step = ForegroundWatch::Step;
constexpr Step W = Step::kWait;
constexpr Step F = Step::kBringToFront;
constexpr Step U = Step::kUnload;

// Each tick: 'o' the chooser owns the foreground, 's' the window that owned it at the start
// still does, '-' another window owns it.
TEST(ForegroundWatch, StaysWhileOwnedPushesAtTheLockTimeoutAndGoesWhenLeft) {
  struct Case {
    const char* what;
    std::optional<std::int32_t> lockTimeout;
    const char* ticks;
    std::vector<Step> steps;
  } cases[] = {
      {"no timeout known: to the front at once", std::nullopt, "s", {F}},
      {"200 ms: to the front on the second tick and after", 200, "sss", {W, F, F}},
      {"250 ms: the half tick rounds to even, two", 250, "ss", {W, F}},
      {"350 ms: four", 350, "ssss", {W, W, W, F}},
      {"another window before the chooser ever had it", 1000, "s-", {W, U}},
      {"owned, then left", 1000, "oo-", {W, W, U}},
      {"owned, then back to the first window", 1000, "os", {W, U}},
      {"owned past the timeout: stays", 100, "ooo", {W, W, W}},
  };
  for (const Case& c : cases) {
    ForegroundWatch watch(c.lockTimeout, 100);
    std::vector<Step> steps;
    for (const char* t = c.ticks; *t; ++t)
      steps.push_back(watch.Tick(*t == 'o', *t == 's'));
    EXPECT_EQ(steps, c.steps) << c.what;
  }
}

}  // namespace
}  // namespace tavrel
