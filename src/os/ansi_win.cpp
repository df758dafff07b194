#include "os/ansi_win.h"

#include <windows.h>

#include <climits>

#include "base/utf.h"
#include "os/ansi.h"

namespace tavrel {
std::string WideToUtf8(std::wstring_view wide) {
  return utf::Utf8FromUtf16(std::u16string(wide.begin(), wide.end()));
}

std::wstring Utf8ToWide(std::string_view utf8) {
  const std::u16string wide = utf::Utf16FromUtf8(utf8);
  return std::wstring(wide.begin(), wide.end());
}

namespace os {

std::string Utf8FromAnsi(std::string_view ansi) {
  // ASCII reads the same in every ANSI code page and in UTF-8: most choice files need no trip
  // through UTF-16, and a large one holds thousands of lines.
  if (utf::IsAscii(ansi) || ansi.size() > INT_MAX) return std::string(ansi);
  // CP_ACP is the system's ANSI code page, the one the other components wrote the text in.
  const int length = static_cast<int>(ansi.size());
  const int chars = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
  if (chars <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(chars), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, wide.data(), chars);
  return WideToUtf8(wide);
}

}  // namespace os
}  // namespace tavrel
