#include <windows.h>

#include <shellapi.h>

#include "fileinfo/display_names.h"
#include "os/ansi_win.h"

namespace tavrel {

std::string GetAssociatedProgram(const std::string& document) {
  wchar_t found[MAX_PATH] = {};
  const auto code =
      reinterpret_cast<INT_PTR>(FindExecutableW(Utf8ToWide(document).c_str(), nullptr, found));
  // Codes up to 32 are errors; the buffer then holds nothing meaningful.
  if (code <= 32) return {};
  return WideToUtf8(std::wstring_view(found, wcsnlen(found, MAX_PATH)));
}

}  // namespace tavrel
