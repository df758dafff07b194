#include "platform/ansi_win.h"

#include <windows.h>

#include <climits>

namespace tavrel {

std::string WideToAnsi(std::wstring_view wide) {
  if (wide.empty() || wide.size() > INT_MAX) return {};
  const int length = static_cast<int>(wide.size());
  const int bytes =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string ansi(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), length, ansi.data(), bytes, nullptr, nullptr);
  return ansi;
}

std::wstring AnsiToWide(std::string_view ansi) {
  if (ansi.empty() || ansi.size() > INT_MAX) return {};
  const int length = static_cast<int>(ansi.size());
  const int chars = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
  if (chars <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(chars), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, wide.data(), chars);
  return wide;
}

}  // namespace tavrel
