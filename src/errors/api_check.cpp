#include "errors/api_check.h"

#include <string>

#include "base/failure.h"
#include "errors/error_handler.h"
#include "errors/errors_edge.h"
#include "errors/reporting.h"

namespace tavrel {

std::int32_t CheckApiResult(std::int32_t result, std::string_view tag, std::int16_t failureValue,
                            std::int16_t action, std::optional<std::int32_t> expected, bool quiet,
                            std::int16_t* counter) {
  const bool failed = expected ? result != *expected : result == std::int32_t{failureValue};
  if (!failed) return result;
  if (!quiet) {
    // The platform error is read first, before an allocation can change it; when no failure is
    // pending the handler takes it as the number.
    const std::int32_t lastError = TextEdge().LastError();
    HandlerArgs args;
    args.procedure = std::string(tag);
    args.lastDllError = lastError;
    if (expected) args.callerCode = result;
    ErrorHandler(action, args);
    // A failed call that has been shown is over: the caller carries on, and the next failed call
    // is reported with its own number rather than this one's.
    if (action == action::kReportAndShow) ClearPendingFailure();
  }
  if (counter) IncrementChecked(*counter);
  return result;
}

}  // namespace tavrel
