// How a procedure deals with its failures: the call-depth guard, the reporting run that hands a
// failure to the error handler under the procedure's tag, and the statement that swallows its own.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/failure.h"
#include "errors/error_handler.h"

namespace tavrel {

// The per-thread call depth recorded in failure records.
std::int16_t& CallDepth() noexcept;

// Adds 1 to a signed 16-bit counter, raising "overflow" past 32767 instead of wrapping.
void IncrementChecked(std::int16_t& counter);

// Raises the call depth for its lifetime and lowers it on every way out.
class CallDepthScope {
 public:
  CallDepthScope() { IncrementChecked(CallDepth()); }
  ~CallDepthScope() { --CallDepth(); }
  CallDepthScope(const CallDepthScope&) = delete;
  CallDepthScope& operator=(const CallDepthScope&) = delete;
};

// Runs the body of a reporting procedure inside its call depth. A failure is made the pending
// failure, stamped with *line (the statement that failed, where the procedure keeps line
// numbers) and reported to the error handler with action 28 under the tag. Returns whether the
// body finished. The procedure then returns what the body had produced so far.
template <class Body>
bool RunReported(std::string_view tag, Body&& body, const std::int32_t* line = nullptr) noexcept {
  try {
    CallDepthScope depth;
    try {
      body();
      return true;
    } catch (...) {
      CatchIntoPending();
      if (line) PendingFailure().lineNumber = *line;
      ReportFailure(tag);
      return false;
    }
  } catch (...) {
    // The call depth itself overflowed, or the handler failed: nothing more can be reported.
    CatchIntoPending();
    return false;
  }
}

// Runs one statement whose failure is ignored: the failure is cleared and the caller goes on.
template <class Statement>
bool SkipFailure(Statement&& statement) noexcept {
  try {
    statement();
    return true;
  } catch (...) {
    ClearPendingFailure();
    return false;
  }
}

}  // namespace tavrel
