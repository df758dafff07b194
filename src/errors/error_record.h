// The failure record kept on the error handler's trail, and the error array: the same record as
// eleven loosely typed slots, the form in which a record is handed out and taken back.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace tavrel {

struct ErrZ {
  std::string description;
  std::int16_t callDepth = 0;     // call depth of the procedure that reported
  std::string helpContext = "0";  // help context as decimal text
  std::string helpFile;
  std::int32_t lastDllError = 0;
  std::int32_t number = 0;
  std::int32_t lineNumber = 0;  // line of the failing statement, 0 where none is kept
  std::int16_t localLine = 0;
  std::string source;         // where the failure arose, or its report once restored
  std::string procedureName;  // the tag of the reporting procedure
};

// One slot of an error array: empty, a 16-bit or 32-bit number, or a text.
using ErrorValue = std::variant<std::monostate, std::int16_t, std::int32_t, std::string>;

// Slots 0 to 10; an array that was never set has no slots at all.
using ErrorArray = std::vector<ErrorValue>;

namespace slot {
constexpr std::size_t kCount = 11;
constexpr std::size_t kCallDepth = 1;
constexpr std::size_t kDescription = 2;
constexpr std::size_t kHelpContext = 3;
constexpr std::size_t kHelpFile = 4;
constexpr std::size_t kLastDllError = 5;
constexpr std::size_t kNumber = 8;
constexpr std::size_t kSource = 9;
constexpr std::size_t kProcedureName = 10;
}  // namespace slot

// The record as an error array; the line number and local line are not carried.
ErrorArray ToErrorArray(const ErrZ& record);

// A slot read as text (numbers in decimal, empty as "") or as a signed 32-bit number (empty as 0;
// a text must be a decimal number: otherwise "type mismatch", out of range "overflow"). Reading a
// slot the array does not have raises "subscript out of range".
std::string SlotText(const ErrorArray& array, std::size_t index);
std::int32_t SlotNumber(const ErrorArray& array, std::size_t index);

// A help context or other numeric text as a signed 32-bit number, by the same rule.
std::int32_t TextToNumber(const std::string& text);

}  // namespace tavrel
