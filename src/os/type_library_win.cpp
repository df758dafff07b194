#include "os/type_library_win.h"

namespace tavrel {

HRESULT LoadOwnTypeLibrary(ITypeLib** library, std::wstring* path) {
  wchar_t buffer[MAX_PATH * 2];
  const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH * 2);
  if (length == 0 || length >= MAX_PATH * 2) return HRESULT_FROM_WIN32(GetLastError());
  if (path) path->assign(buffer, length);
  return LoadTypeLibEx(buffer, REGKIND_NONE, library);
}

}  // namespace tavrel
