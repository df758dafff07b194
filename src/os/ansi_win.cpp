#include "os/ansi_win.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "os/ansi.h"

namespace tavrel {
namespace {

// With MB_ERR_INVALID_CHARS in flags, text that is not valid in the code page gives nothing.
std::wstring ToWide(UINT codePage, DWORD flags, std::string_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const int chars = MultiByteToWideChar(codePage, flags, text.data(), length, nullptr, 0);
  if (chars <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(chars), L'\0');
  MultiByteToWideChar(codePage, flags, text.data(), length, wide.data(), chars);
  return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
  if (wide.empty() || wide.size() > INT_MAX) return {};
  const int length = static_cast<int>(wide.size());
  const int bytes =
      WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string text(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), length, text.data(), bytes, nullptr, nullptr);
  return text;
}

}  // namespace

std::string WideToAnsi(std::wstring_view wide) {
  return FromWide(CP_ACP, wide);
}

std::wstring AnsiToWide(std::string_view ansi) {
  return ToWide(CP_ACP, 0, ansi);
}

std::string WideToUtf8(std::wstring_view wide) {
  return FromWide(CP_UTF8, wide);
}

std::wstring Utf8ToWide(std::string_view utf8) {
  return ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
}

namespace os {

std::string AnsiFromUtf8(std::string_view utf8) {
  // ASCII reads the same in UTF-8 and every ANSI code page: most catalogue values need no trip
  // through UTF-16, and a large catalogue holds hundreds of thousands of them.
  if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; }))
    return std::string(utf8);
  return WideToAnsi(ToWide(CP_UTF8, 0, utf8));
}

}  // namespace os
}  // namespace tavrel
