// The creatable automation class and its class factory.
#pragma once

#include <windows.h>

#include <unknwn.h>

#include "server/server_lifetime_win.h"

namespace tavrel {

// Creates a new automation object of the module and returns the asked-for interface of it.
[[nodiscard]] HRESULT CreateAutomationObject(ServerModule& module, REFIID riid, void** object);

// The class factory registered while the server runs. It lives as long as its module; the
// server's lifetime is counted by objects and locks, not by the factory's references.
class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(ServerModule& module) : module_(module) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  ServerModule& module_;
};

}  // namespace tavrel
