// Conversion of UTF-8 text, as XML files carry it, into the ANSI code page every text of the
// program is kept in. Characters the code page lacks become "?".
#pragma once

#include <string>
#include <string_view>

namespace tavrel::os {

std::string AnsiFromUtf8(std::string_view utf8);

}  // namespace tavrel::os
