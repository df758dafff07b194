// Text in the system's ANSI code page, as other components of the product write the user's
// choice files and the catalogue's escaped runs, decoded into the UTF-8 the program works in.
#pragma once

#include <string>
#include <string_view>

namespace tavrel::os {

// UTF-8 of text in the system's ANSI code page (Windows-1252 in native builds, which have none).
std::string Utf8FromAnsi(std::string_view ansi);

}  // namespace tavrel::os
