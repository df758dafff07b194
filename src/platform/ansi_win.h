// Conversions between the system's ANSI code page (the program's text) and UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace tavrel {

std::string WideToAnsi(std::wstring_view wide);
std::wstring AnsiToWide(std::string_view ansi);

}  // namespace tavrel
