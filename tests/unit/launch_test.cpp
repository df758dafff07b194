#include "request/launch.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

// How a start is planned (verb, quoting, folder) shows in the request driver's log of starts.
TEST(LaunchResult, AnAnswerOf32OrLessIsAFailedStartWithTheSystemsError) {
  const std::tuple<std::int32_t, bool, std::int32_t> cases[] = {
      {33, true, 0}, {42, true, 0}, {32, false, 1157}, {31, false, 1155},
      {2, false, 2}, {5, false, 5}, {0, false, 8}};
  for (const auto& [answer, started, systemError] : cases) {
    const LaunchResult result = LaunchResultOf(answer);
    EXPECT_EQ(std::tie(result.started, result.systemError), std::tie(started, systemError))
        << answer;
  }
}

}  // namespace
}  // namespace tavrel
