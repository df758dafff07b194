// The one place a failure goes: the error handler with its per-thread trail of failure records.
#pragma once

#include <cstdint>
#include <string_view>

namespace tavrel {

// Action codes of the error handler.
namespace action {
constexpr std::int16_t kDrop = 4;
constexpr std::int16_t kReset = 5;
constexpr std::int16_t kCount = 10;
constexpr std::int16_t kRestore = 15;
constexpr std::int16_t kRecord = 16;
constexpr std::int16_t kReportAndShow = 28;
}  // namespace action

// The ordinary report of a reporting procedure: records the pending failure under the tag and
// shows every record on the trail to the user. Never throws.
void ReportFailure(std::string_view tag) noexcept;

}  // namespace tavrel
