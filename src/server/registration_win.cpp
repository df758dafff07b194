// Writes and removes exactly the keys the server needs: the class with its local server, the
// ProgID, and the type library (which also registers the dual interface for marshalling).
#include "server/registration_win.h"

#include <oleauto.h>

#include <string>

#include "TavrelCommander.h"
#include "platform/com_ptr.h"
#include "platform/unique.h"

// Declared by the system headers of newer SDKs only; the import library has them.
extern "C" HRESULT WINAPI RegisterTypeLibForUser(ITypeLib*, OLECHAR*, OLECHAR*);
extern "C" HRESULT WINAPI UnRegisterTypeLibForUser(REFGUID, WORD, WORD, LCID, SYSKIND);

namespace tavrel {
namespace {

constexpr char kProgId[] = "TavrelCommander.TavrelCH1Exe";
constexpr char kVersion[] = "1.0";

using UniqueKey = Unique<HKEY, &RegCloseKey>;

std::string GuidText(REFGUID guid) {
  wchar_t wide[40];
  StringFromGUID2(guid, wide, 40);
  std::string text;
  for (const wchar_t* c = wide; *c; ++c)
    text += static_cast<char>(*c);
  return text;
}

HKEY ClassesRoot(RegistrationScope scope) {
  return scope == RegistrationScope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

std::string ClassesPath(const std::string& key) {
  return "Software\\Classes\\" + key;
}

LSTATUS SetValue(RegistrationScope scope, const std::string& key, const char* name,
                 const std::string& value) {
  UniqueKey handle;
  LSTATUS status = RegCreateKeyExA(ClassesRoot(scope), ClassesPath(key).c_str(), 0, nullptr, 0,
                                   KEY_WRITE, nullptr, handle.put(), nullptr);
  if (status != ERROR_SUCCESS) return status;
  return RegSetValueExA(handle.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1));
}

std::string NeutralTypeLibKey() {
  return "TypeLib\\" + GuidText(LIBID_TavrelCommander) + "\\" + kVersion + "\\0";
}

HRESULT LoadOwnTypeLibrary(ITypeLib** library, std::wstring& path) {
  wchar_t buffer[MAX_PATH * 2];
  const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH * 2);
  if (length == 0 || length >= MAX_PATH * 2) return HRESULT_FROM_WIN32(GetLastError());
  path.assign(buffer, length);
  return LoadTypeLibEx(path.c_str(), REGKIND_NONE, library);
}

}  // namespace

HRESULT RegisterServer(RegistrationScope scope) {
  ComPtr<ITypeLib> library;
  std::wstring path;
  HRESULT hr = LoadOwnTypeLibrary(library.put(), path);
  if (FAILED(hr)) return hr;
  std::string ansiPath;
  {
    char buffer[MAX_PATH * 2];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof(buffer));
    ansiPath.assign(buffer, length);
  }
  const std::string clsidKey = "CLSID\\" + GuidText(CLSID_TavrelCH1Exe);
  const struct {
    std::string key;
    const char* name;
    std::string value;
  } values[] = {
      {clsidKey, nullptr, kProgId},
      {clsidKey + "\\LocalServer32", nullptr, "\"" + ansiPath + "\""},
      {clsidKey + "\\ProgID", nullptr, kProgId},
      {clsidKey + "\\TypeLib", nullptr, GuidText(LIBID_TavrelCommander)},
      {clsidKey + "\\Version", nullptr, kVersion},
      {clsidKey + "\\Programmable", nullptr, ""},
      {kProgId, nullptr, kProgId},
      {std::string(kProgId) + "\\CLSID", nullptr, GuidText(CLSID_TavrelCH1Exe)},
  };
  for (const auto& v : values) {
    const LSTATUS status = SetValue(scope, v.key, v.name, v.value);
    if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  }
  hr = scope == RegistrationScope::Machine
           ? RegisterTypeLib(library.get(), path.data(), nullptr)
           : RegisterTypeLibForUser(library.get(), path.data(), nullptr);
  if (FAILED(hr)) return hr;
  // The library's locale is 0x409, but the universal marshaller looks the library up with the
  // neutral locale; without this entry a client on the vtable cannot reach the object.
  const LSTATUS status = SetValue(scope, NeutralTypeLibKey() + "\\win64", nullptr, ansiPath);
  return HRESULT_FROM_WIN32(status);
}

HRESULT UnregisterServer(RegistrationScope scope) {
  const HKEY root = ClassesRoot(scope);
  const std::string keys[] = {ClassesPath("CLSID\\" + GuidText(CLSID_TavrelCH1Exe)),
                              ClassesPath(kProgId), ClassesPath(NeutralTypeLibKey())};
  HRESULT result = S_OK;
  for (const auto& key : keys) {
    const LSTATUS status = RegDeleteTreeA(root, key.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
      result = HRESULT_FROM_WIN32(status);
  }
  const HRESULT hr = scope == RegistrationScope::Machine
                         ? UnRegisterTypeLib(LIBID_TavrelCommander, 1, 0, 0x409, SYS_WIN64)
                         : UnRegisterTypeLibForUser(LIBID_TavrelCommander, 1, 0, 0x409, SYS_WIN64);
  if (FAILED(hr) && hr != TYPE_E_REGISTRYACCESS && hr != TYPE_E_LIBNOTREGISTERED &&
      SUCCEEDED(result))
    result = hr;
  return result;
}

}  // namespace tavrel
