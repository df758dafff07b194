// Register and unregister entry points that only leave a trace of being called.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

HRESULT Trace(const char* line) {
  const char* path = std::getenv("TAVREL_REGTEST_LOG");
  std::FILE* log = path ? std::fopen(path, "ab") : nullptr;
  if (!log) return E_FAIL;
  std::fputs(line, log);
  std::fclose(log);
  return S_OK;
}

}  // namespace

extern "C" HRESULT __stdcall DllRegisterServer() {
  return Trace("register\n");
}
extern "C" HRESULT __stdcall DllUnregisterServer() {
  return Trace("unregister\n");
}
