#include "os/type_library_win.h"

#include <utility>

#include "os/executable_win.h"
#include "os/last_error_win.h"

namespace tavrel {

HRESULT LoadOwnTypeLibrary(ITypeLib** library, std::wstring* path) {
  std::wstring executable = ExecutablePath();
  if (executable.empty()) return HresultFromLastError();
  HRESULT hr = LoadTypeLibEx(executable.c_str(), REGKIND_NONE, library);
  if (SUCCEEDED(hr) && !*library) hr = E_FAIL;
  if (path) *path = std::move(executable);
  return hr;
}

}  // namespace tavrel
