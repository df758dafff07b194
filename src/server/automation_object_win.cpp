// The automation object: the dual interface _TavrelCH1Exe, its IDispatch served from the type
// library embedded in the executable.
#include "server/automation_object_win.h"

#include <oleauto.h>

#include <atomic>
#include <memory>
#include <new>

#include "TavrelCommander.h"
#include "base/com_ptr.h"
#include "os/type_library_win.h"
#include "request/request_driver.h"

namespace tavrel {
namespace {

HRESULT LoadInterfaceTypeInfo(ITypeInfo** info) {
  ComPtr<ITypeLib> library;
  const HRESULT hr = LoadOwnTypeLibrary(library.put());
  if (FAILED(hr)) return hr;
  return library->GetTypeInfoOfGuid(IID__TavrelCH1Exe, info);
}

class AutomationObject final : public _TavrelCH1Exe {
 public:
  explicit AutomationObject(ServerModule& module) : module_(module) { module_.AddRef(); }
  ~AutomationObject() { module_.Release(); }
  AutomationObject(const AutomationObject&) = delete;
  AutomationObject& operator=(const AutomationObject&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
        IsEqualIID(riid, IID__TavrelCH1Exe)) {
      *object = static_cast<_TavrelCH1Exe*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) std::unique_ptr<AutomationObject> last(this);  // the last reference frees it
    return left;
  }

  // IDispatch, from the type library
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    const HRESULT hr = EnsureTypeInfo();
    if (FAILED(hr)) return hr;
    typeInfo_->AddRef();
    *info = typeInfo_.get();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    const HRESULT hr = EnsureTypeInfo();
    if (FAILED(hr)) return hr;
    return DispGetIDsOfNames(typeInfo_.get(), names, count, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override {
    const HRESULT hr = EnsureTypeInfo();
    if (FAILED(hr)) return hr;
    return DispInvoke(static_cast<_TavrelCH1Exe*>(this), typeInfo_.get(), id, flags, params, result,
                      exception, argumentError);
  }

  // _TavrelCH1Exe: the request always succeeds as a call; its outcome is the result.
  HRESULT STDMETHODCALLTYPE QXH1(BSTR rsParams, LONG* result) override {
    if (!result) return E_POINTER;
    *result = kNotHandled;
    try {
      const std::u16string request(rsParams, rsParams + (rsParams ? SysStringLen(rsParams) : 0));
      *result = module_.Requests().Serve(request);
    } catch (...) {
      *result = kNotHandled;  // the request could not even be copied (out of memory)
    }
    return S_OK;
  }

 private:
  HRESULT EnsureTypeInfo() {
    if (typeInfo_) return S_OK;
    return LoadInterfaceTypeInfo(typeInfo_.put());
  }

  ServerModule& module_;
  std::atomic<ULONG> references_{1};
  ComPtr<ITypeInfo> typeInfo_;
};

}  // namespace

HRESULT CreateAutomationObject(ServerModule& module, REFIID riid, void** object) {
  try {
    // From here the object's own reference count owns it: the interface handed out holds the
    // only reference, or none when the interface is not offered.
    AutomationObject* created = std::make_unique<AutomationObject>(module).release();
    const HRESULT hr = created->QueryInterface(riid, object);
    created->Release();
    return hr;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT ClassFactory::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
    *object = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  return CreateAutomationObject(module_, riid, object);
}

HRESULT ClassFactory::LockServer(BOOL lock) {
  if (lock) {
    module_.AddRef();
  } else {
    module_.Release();
  }
  return S_OK;
}

}  // namespace tavrel
