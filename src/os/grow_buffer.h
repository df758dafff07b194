// The system's "fill this buffer" convention for texts of unknown length.
#pragma once

#include <cstddef>
#include <string>

namespace tavrel::os {

// Calls fill(buffer, declared) with room for declared + 1 characters, starting at 255; fill
// returns the length of the text it wrote or, when the room was too small, the length it needs.
// While the returned length exceeds the declared size, asks again with that length. Gives the
// buffer cut to the returned length; empty when fill returns 0 (the call failed).
template <class Char = char, class Fill>
std::basic_string<Char> ReadGrowing(Fill&& fill) {
  std::size_t declared = 255;
  for (;;) {
    std::basic_string<Char> buffer(declared + 1, Char{});
    const std::size_t length = fill(buffer.data(), declared);
    if (length <= declared) {
      buffer.resize(length);
      return buffer;
    }
    declared = length;
  }
}

}  // namespace tavrel::os
