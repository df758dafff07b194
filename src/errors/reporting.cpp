#include "errors/reporting.h"

#include <limits>

namespace tavrel {
namespace {
thread_local std::int16_t callDepth = 0;
}

std::int16_t& CallDepth() noexcept { return callDepth; }

void IncrementChecked(std::int16_t& counter) {
  if (counter == std::numeric_limits<std::int16_t>::max()) Raise(errnum::kOverflow);
  ++counter;
}

}  // namespace tavrel
