// Error reports: a failure record turned back into the pending failure, with a short report of
// where it was recorded written into the failure's source.
#pragma once

#include <cstdint>
#include <optional>

#include "errors/error_record.h"

namespace tavrel {

// Restores the record into the pending failure. Unless the record's source already carries a
// report, the source becomes the report: the record's position on the trail (stack level) and
// call depth, the original source, and the procedure, line and platform error where known.
// Without a stack level the restore fails with 0x80040FA1. Failures are reported under
// "ErrZ2ErrO".
void ErrZ2ErrO(const ErrZ& record, std::optional<std::int32_t> stackLevel);

// The same from an error array; the local line is the thread's LocalLine and the line number that
// of the failure being handled now, since the array carries neither. An array that was never set
// changes nothing.
void ErrZ2ErrO(const ErrorArray& array, std::optional<std::int32_t> stackLevel);

}  // namespace tavrel
