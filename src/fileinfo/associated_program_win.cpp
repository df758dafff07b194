#include <windows.h>

#include <shellapi.h>

#include <cstring>

#include "fileinfo/display_names.h"

namespace tavrel {

std::string GetAssociatedProgram(const std::string& document) {
  char found[260] = {};
  const auto code = reinterpret_cast<INT_PTR>(FindExecutableA(document.c_str(), nullptr, found));
  // Codes up to 32 are errors; the buffer then holds nothing meaningful.
  if (code <= 32) return {};
  return std::string(found, strnlen(found, sizeof found));
}

}  // namespace tavrel
