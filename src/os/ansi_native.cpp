// Native builds stand in for a Western European Windows: the ANSI code page is Windows-1252.
#include "base/utf.h"
#include "os/ansi.h"

namespace tavrel::os {
namespace {

// Windows-1252 at 0x80..0x9F; the five bytes it leaves undefined read as the same code point, as
// the system reads them.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

std::string Utf8FromAnsi(std::string_view ansi) {
  std::string utf8;
  utf8.reserve(ansi.size());
  for (const char c : ansi) {
    const auto b = static_cast<unsigned char>(c);
    utf::AppendUtf8(utf8, b >= 0x80 && b < 0xA0 ? char32_t{kHigh[b - 0x80]} : char32_t{b});
  }
  return utf8;
}

}  // namespace tavrel::os
