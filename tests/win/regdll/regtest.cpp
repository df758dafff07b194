// Register and unregister entry points that only leave a trace of being called.
#include <windows.h>

#include <memory>

namespace {

struct HandleClose {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};

HRESULT Trace(const char* line) {
  char path[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA("TAVREL_REGTEST_LOG", path, sizeof(path));
  if (length == 0 || length >= sizeof(path)) return E_FAIL;
  HANDLE opened = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return E_FAIL;
  const std::unique_ptr<void, HandleClose> file(opened);
  DWORD written = 0;
  WriteFile(file.get(), line, static_cast<DWORD>(lstrlenA(line)), &written, nullptr);
  return S_OK;
}

}  // namespace

extern "C" HRESULT __stdcall DllRegisterServer() {
  return Trace("register\n");
}
extern "C" HRESULT __stdcall DllUnregisterServer() {
  return Trace("unregister\n");
}
