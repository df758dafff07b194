// The one place a failure goes: the error handler with its per-thread trail of failure records.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "errors/error_record.h"

namespace tavrel {

// Action codes of the error handler.
namespace action {
constexpr std::int16_t kDrop = 4;            // drop the newest record, clear the pending failure
constexpr std::int16_t kReset = 5;           // empty the trail, clear the pending failure
constexpr std::int16_t kCount = 10;          // the number of records on the trail
constexpr std::int16_t kRestore = 15;        // pop the newest record back into the pending failure
constexpr std::int16_t kRecord = 16;         // push the pending failure as a record
constexpr std::int16_t kReportAndShow = 28;  // push, then pop and show every record
}  // namespace action

// The optional values of a handler call. Each one given replaces the pending failure's value in
// the record that is pushed; the saved error is restored into the pending failure first.
struct HandlerArgs {
  std::optional<std::string> procedure;    // tag of the reporting procedure
  std::optional<std::int32_t> lineNumber;  // line of the failing statement
  std::optional<std::int32_t> callerCode;  // number when none is pending; also the local line
  std::optional<std::int32_t> number;
  std::optional<std::string> description;
  std::optional<std::int32_t> helpContext;
  std::optional<std::string> helpFile;
  std::optional<std::int32_t> lastDllError;
  std::optional<ErrorArray> savedError;
};

// Nothing, the trail count (action 10) or the popped record (action 15).
using HandlerResult = std::variant<std::monostate, std::int16_t, ErrorArray>;

// Performs one action on this thread's trail. A failure inside it passes to the caller, except
// while action 28 is showing records: that ends the call quietly and leaves the remaining records
// on the trail. An action code not listed above is itself reported as failure 0x80040FA1.
HandlerResult ErrorHandler(std::int16_t action, const HandlerArgs& args = {});

// This thread's local line, printed only by the restore of an error array.
std::int16_t& LocalLine() noexcept;

// The ordinary report of a reporting procedure: records the pending failure under the tag and
// shows every record on the trail to the user. The failure is no longer pending afterwards, as
// the procedure's own exit ends it. Never throws.
void ReportFailure(std::string_view tag) noexcept;

}  // namespace tavrel
