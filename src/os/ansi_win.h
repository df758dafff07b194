// Conversions between the program's UTF-8 texts and the UTF-16 of the system's wide API.
#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// A surrogate without its partner becomes U+FFFD.
std::string WideToUtf8(std::wstring_view wide);
// A byte that starts no valid UTF-8 sequence becomes U+FFFD.
std::wstring Utf8ToWide(std::string_view utf8);

}  // namespace tavrel
