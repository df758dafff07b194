#include "errors/error_record.h"

#include <charconv>
#include <limits>

#include "base/failure.h"
#include "base/text.h"

namespace tavrel {

ErrorArray ToErrorArray(const ErrZ& record) {
  ErrorArray array(slot::kCount);
  array[slot::kCallDepth] = record.callDepth;
  array[slot::kDescription] = record.description;
  array[slot::kHelpContext] = record.helpContext;
  array[slot::kHelpFile] = record.helpFile;
  array[slot::kLastDllError] = record.lastDllError;
  array[slot::kNumber] = record.number;
  array[slot::kSource] = record.source;
  array[slot::kProcedureName] = record.procedureName;
  return array;
}

std::int32_t TextToNumber(const std::string& text) {
  const std::string_view digits = text::TrimBlanks(text);
  std::int64_t value = 0;
  const char* first = digits.data();
  const char* last = digits.data() + digits.size();
  if (first != last && *first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  if (first == last || end != last) Raise(errnum::kTypeMismatch);
  if (error == std::errc::result_out_of_range || value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    Raise(errnum::kOverflow);
  }
  return static_cast<std::int32_t>(value);
}

namespace {
const ErrorValue& Slot(const ErrorArray& array, std::size_t index) {
  if (index >= array.size()) Raise(errnum::kSubscript);
  return array[index];
}
}  // namespace

std::string SlotText(const ErrorArray& array, std::size_t index) {
  const ErrorValue& v = Slot(array, index);
  if (const auto* s = std::get_if<std::string>(&v)) return *s;
  if (const auto* n = std::get_if<std::int16_t>(&v)) return std::to_string(*n);
  if (const auto* n = std::get_if<std::int32_t>(&v)) return std::to_string(*n);
  return {};
}

std::int32_t SlotNumber(const ErrorArray& array, std::size_t index) {
  const ErrorValue& v = Slot(array, index);
  if (const auto* s = std::get_if<std::string>(&v)) return TextToNumber(*s);
  if (const auto* n = std::get_if<std::int16_t>(&v)) return *n;
  if (const auto* n = std::get_if<std::int32_t>(&v)) return *n;
  return 0;
}

}  // namespace tavrel
