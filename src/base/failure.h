// A failure: the one exception type the program raises, and the per-thread failure being handled.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace tavrel {

// Run-time failure numbers a user of the program sees in its message boxes.
namespace errnum {
constexpr std::int32_t kInvalidCall = 5;  // invalid procedure call or argument
constexpr std::int32_t kOverflow = 6;     // a 16-bit counter went past 32767
constexpr std::int32_t kOutOfMemory = 7;
constexpr std::int32_t kSubscript = 9;  // a missing line, field or list slot
constexpr std::int32_t kTypeMismatch = 13;
constexpr std::int32_t kFileNotFound = 53;
constexpr std::int32_t kDeviceUnavailable = 68;
constexpr std::int32_t kPathNotFound = 76;
constexpr std::int32_t kObjectBase = static_cast<std::int32_t>(0x80040000u);
}  // namespace errnum

// The object name failures raised by the program itself carry in their source.
inline constexpr const char* kProjectName = "TavrelCommander";

struct Failure : std::exception {
  std::int32_t number = 0;  // 0: no failure
  std::string description;
  std::string source;
  std::string helpFile;
  std::int32_t helpContext = 0;
  std::int32_t lastDllError = 0;  // the platform error right after the failing system call
  std::int32_t lineNumber = 0;    // line of the failing statement, 0 where none is kept

  const char* what() const noexcept override { return description.c_str(); }
};

// Builds a failure with the standard description of its number when none is given.
Failure MakeFailure(std::int32_t number, std::string description = {},
                    std::int32_t lastDllError = 0);

// Raises a failure of the program's own ("throw" with the number's standard description).
[[noreturn]] void Raise(std::int32_t number, std::string description = {},
                        std::int32_t lastDllError = 0);

// The failure being handled on this thread; number 0 when none is pending.
Failure& PendingFailure() noexcept;
void ClearPendingFailure() noexcept;

// Turns whatever was caught into the pending failure: a Failure as it is, std::bad_alloc as
// "out of memory", std::out_of_range as "subscript out of range", anything else as
// "invalid procedure call". Call only inside a catch block.
void CatchIntoPending() noexcept;

// Standard description of a run-time failure number; empty when the number has none.
std::string StandardDescription(std::int32_t number);

}  // namespace tavrel
