#include "os/type_library_win.h"

#include <utility>

#include "os/executable_win.h"

namespace tavrel {

HRESULT LoadOwnTypeLibrary(ITypeLib** library, std::wstring* path) {
  std::wstring executable = ExecutablePath();
  if (executable.empty()) return HRESULT_FROM_WIN32(GetLastError());
  const HRESULT hr = LoadTypeLibEx(executable.c_str(), REGKIND_NONE, library);
  if (path) *path = std::move(executable);
  return hr;
}

}  // namespace tavrel
