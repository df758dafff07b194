#include "errors/error_handler.h"

#include "errors/failure.h"

namespace tavrel {

void ReportFailure(std::string_view /*tag*/) noexcept {
  // The trail and the message box arrive with the error subsystem; until then a reported failure
  // is cleared so that the caller carries on as its own rules say.
  ClearPendingFailure();
}

}  // namespace tavrel
