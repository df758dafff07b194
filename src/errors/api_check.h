// The check of a call into a system library: a result that means failure is reported.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavrel {

// Returns result unchanged. The call failed when result differs from expected, or, without an
// expected value, when result equals failureValue (widened with its sign: -1 is 0xFFFFFFFF).
// A failure is reported to the error handler with the action under the tag, unless quiet: with
// an expected value, result goes along as the caller's error code; otherwise the thread's last
// platform error is the number. A given counter then counts the failure.
std::int32_t CheckApiResult(std::int32_t result, std::string_view tag, std::int16_t failureValue,
                            std::int16_t action, std::optional<std::int32_t> expected = {},
                            bool quiet = false, std::int16_t* counter = nullptr);

}  // namespace tavrel
