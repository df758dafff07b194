// Outside Windows the narrow code page of the system is UTF-8 itself: nothing to convert.
#include "os/ansi.h"

namespace tavrel::os {

std::string AnsiFromUtf8(std::string_view utf8) {
  return std::string(utf8);
}

}  // namespace tavrel::os
