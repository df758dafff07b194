#include "os/executable_win.h"

#include <windows.h>

namespace tavrel {

std::wstring ExecutablePath() {
  // The system cuts the path to the buffer without saying how long it is: the buffer grows until
  // the path fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace tavrel
