#include "base/failure.h"

#include <new>
#include <stdexcept>

namespace tavrel {
namespace {
thread_local Failure pending;
}

Failure MakeFailure(std::int32_t number, std::string description, std::int32_t lastDllError) {
  Failure f;
  f.number = number;
  f.description = description.empty() ? StandardDescription(number) : std::move(description);
  f.source = kProjectName;
  f.lastDllError = lastDllError;
  return f;
}

void Raise(std::int32_t number, std::string description, std::int32_t lastDllError) {
  throw MakeFailure(number, std::move(description), lastDllError);
}

Failure& PendingFailure() noexcept {
  return pending;
}

void ClearPendingFailure() noexcept {
  pending = Failure{};
}

void CatchIntoPending() noexcept {
  try {
    throw;
  } catch (const Failure& f) {
    pending = f;
  } catch (const std::bad_alloc&) {
    pending = MakeFailure(errnum::kOutOfMemory);
  } catch (const std::out_of_range&) {
    pending = MakeFailure(errnum::kSubscript);
  } catch (...) {
    pending = MakeFailure(errnum::kInvalidCall);
  }
}

std::string StandardDescription(std::int32_t number) {
  switch (number) {
    case 3:
      return "Return without GoSub";
    case 5:
      return "Invalid procedure call or argument";
    case 6:
      return "Overflow";
    case 7:
      return "Out of memory";
    case 9:
      return "Subscript out of range";
    case 11:
      return "Division by zero";
    case 13:
      return "Type mismatch";
    case 52:
      return "Bad file name or number";
    case 53:
      return "File not found";
    case 54:
      return "Bad file mode";
    case 55:
      return "File already open";
    case 57:
      return "Device I/O error";
    case 58:
      return "File already exists";
    case 61:
      return "Disk full";
    case 62:
      return "Input past end of file";
    case 67:
      return "Too many files";
    case 68:
      return "Device unavailable";
    case 70:
      return "Permission denied";
    case 71:
      return "Disk not ready";
    case 75:
      return "Path/File access error";
    case 76:
      return "Path not found";
    case 91:
      return "Object variable or With block variable not set";
    case 429:
      return "ActiveX component can't create object";
    default:
      break;
  }
  return number == 0 ? std::string() : "Application-defined or object-defined error";
}

}  // namespace tavrel
