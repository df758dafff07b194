// Conversions between UTF-16 and the system's ANSI code page (the program's text) or UTF-8
// (paths outside the code page, log files).
#pragma once

#include <string>
#include <string_view>

namespace tavrel {

std::string WideToAnsi(std::wstring_view wide);
std::wstring AnsiToWide(std::string_view ansi);
std::string WideToUtf8(std::wstring_view wide);
// Empty for text that is not valid UTF-8.
std::wstring Utf8ToWide(std::string_view utf8);

}  // namespace tavrel
