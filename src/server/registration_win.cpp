// Writes and removes exactly the keys the server needs: the class with its local server, the
// ProgID, and the type library (which also registers the dual interface for marshalling), for
// 64-bit and 32-bit clients alike.
#include "server/registration_win.h"

#include <oleauto.h>

#include <string>

#include "TavrelCommander.h"
#include "base/com_ptr.h"
#include "base/path.h"
#include "os/ansi_win.h"
#include "os/handles_win.h"
#include "os/os.h"
#include "os/type_library_win.h"

// Declared by the system headers of newer SDKs only; the import library has them.
extern "C" HRESULT WINAPI RegisterTypeLibForUser(ITypeLib*, OLECHAR*, OLECHAR*);
extern "C" HRESULT WINAPI UnRegisterTypeLibForUser(REFGUID, WORD, WORD, LCID, SYSKIND);

namespace tavrel {
namespace {

constexpr char kProgId[] = "TavrelCommander.TavrelCH1Exe";
constexpr char kVersion[] = "1.0";
constexpr char kInterfaceName[] = "_TavrelCH1Exe";
// The universal marshaller: it builds proxies and stubs for the dual interface from the library.
constexpr char kUniversalMarshaller[] = "{00020424-0000-0000-C000-000000000046}";

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

// One value (or, with no value, just the key) in the view a registry access flag selects: 0 for
// the process's own, KEY_WOW64_32KEY for where 32-bit processes look.
struct Entry {
  std::string key;
  const char* name;
  const char* value;  // nullptr: the key without a value
  REGSAM view = 0;
};

LSTATUS Write(RegistrationScope scope, const Entry& entry) {
  KeyHandle handle;
  LSTATUS status =
      RegCreateKeyExW(ClassesRoot(scope), Utf8ToWide(ClassesPath(entry.key)).c_str(), 0, nullptr, 0,
                      KEY_WRITE | entry.view, nullptr, handle.put(), nullptr);
  if (status != ERROR_SUCCESS || entry.value == nullptr) return status;
  const std::wstring value = Utf8ToWide(entry.value);
  return RegSetValueExW(handle.get(), entry.name ? Utf8ToWide(entry.name).c_str() : nullptr, 0,
                        REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// Removes KEY with its subkeys from one view; a key that is not there counts as removed.
LSTATUS DeleteTree(RegistrationScope scope, const std::string& key, REGSAM view) {
  const std::string path = ClassesPath(key);
  const std::size_t split = path.rfind('\\');
  KeyHandle parent;
  LSTATUS status = RegOpenKeyExW(ClassesRoot(scope), Utf8ToWide(path.substr(0, split)).c_str(), 0,
                                 KEY_ALL_ACCESS | view, parent.put());
  if (status == ERROR_SUCCESS)
    status = RegDeleteTreeW(parent.get(), Utf8ToWide(path.substr(split + 1)).c_str());
  return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

std::string LibraryKey() {
  return "TypeLib\\" + GuidText(LIBID_TavrelCommander);
}

std::string TypeLibKey() {
  return LibraryKey() + "\\" + kVersion;
}

std::string InterfaceKey() {
  return "Interface\\" + GuidText(IID__TavrelCH1Exe);
}

}  // namespace

HRESULT RegisterServer(RegistrationScope scope) {
  ComPtr<ITypeLib> library;
  std::wstring path;
  HRESULT hr = LoadOwnTypeLibrary(library.put(), &path);
  if (FAILED(hr)) return hr;
  const std::string utf8Path = WideToUtf8(path);
  // The help folder is given with its trailing separator, as an installer names folders, so that
  // this registration and the installer's are the same.
  std::wstring helpDir = Utf8ToWide(path::Parent(utf8Path));
  // The library is registered by its short path (the long one on a volume without short names):
  // Wine's universal marshaller reads the path through the ANSI code page, which a folder named
  // outside it does not survive. The installer registers the same short path.
  std::string libraryPath = os::ShortPathName(utf8Path);
  if (libraryPath.empty()) libraryPath = utf8Path;
  std::wstring wideLibraryPath = Utf8ToWide(libraryPath);
  hr = scope == RegistrationScope::Machine
           ? RegisterTypeLib(library.get(), wideLibraryPath.data(), helpDir.data())
           : RegisterTypeLibForUser(library.get(), wideLibraryPath.data(), helpDir.data());
  if (FAILED(hr)) return hr;

  const std::string clsid = GuidText(CLSID_TavrelCH1Exe);
  const std::string libid = GuidText(LIBID_TavrelCommander);
  const std::string clsidKey = "CLSID\\" + clsid;
  const std::string quotedPath = "\"" + utf8Path + "\"";
  const Entry entries[] = {
      {clsidKey, nullptr, kProgId},
      {clsidKey + "\\LocalServer32", nullptr, quotedPath.c_str()},
      {clsidKey + "\\ProgID", nullptr, kProgId},
      {clsidKey + "\\TypeLib", nullptr, libid.c_str()},
      {clsidKey + "\\Version", nullptr, kVersion},
      {clsidKey + "\\Programmable", nullptr, nullptr},
      {kProgId, nullptr, kProgId},
      {std::string(kProgId) + "\\CLSID", nullptr, clsid.c_str()},
      // The library's locale is 0x409, but the universal marshaller looks the library up with the
      // neutral locale; a process of either width reads the entry of its own width.
      {TypeLibKey() + "\\0\\win64", nullptr, libraryPath.c_str()},
      {TypeLibKey() + "\\0\\win32", nullptr, libraryPath.c_str()},
      {TypeLibKey() + "\\409\\win32", nullptr, libraryPath.c_str()},
      // 32-bit processes find the interface's marshaller in their own view of the classes.
      {InterfaceKey(), nullptr, kInterfaceName, KEY_WOW64_32KEY},
      {InterfaceKey() + "\\ProxyStubClsid", nullptr, kUniversalMarshaller, KEY_WOW64_32KEY},
      {InterfaceKey() + "\\ProxyStubClsid32", nullptr, kUniversalMarshaller, KEY_WOW64_32KEY},
      {InterfaceKey() + "\\TypeLib", nullptr, libid.c_str(), KEY_WOW64_32KEY},
      {InterfaceKey() + "\\TypeLib", "Version", kVersion, KEY_WOW64_32KEY},
  };
  for (const Entry& e : entries) {
    const LSTATUS status = Write(scope, e);
    if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  }
  return S_OK;
}

HRESULT UnregisterServer(RegistrationScope scope) {
  // The entries this module added to the library's key go first, so that the system's
  // unregistration finds only its own and removes the library's key as a whole.
  const Entry keys[] = {
      {"CLSID\\" + GuidText(CLSID_TavrelCH1Exe), nullptr, nullptr},
      {kProgId, nullptr, nullptr},
      {TypeLibKey() + "\\0", nullptr, nullptr},
      {TypeLibKey() + "\\409\\win32", nullptr, nullptr},
      {InterfaceKey(), nullptr, nullptr, KEY_WOW64_32KEY},
  };
  HRESULT result = S_OK;
  for (const Entry& k : keys) {
    const LSTATUS status = DeleteTree(scope, k.key, k.view);
    if (status != ERROR_SUCCESS && SUCCEEDED(result)) result = HRESULT_FROM_WIN32(status);
  }
  const HRESULT hr = scope == RegistrationScope::Machine
                         ? UnRegisterTypeLib(LIBID_TavrelCommander, 1, 0, 0x409, SYS_WIN64)
                         : UnRegisterTypeLibForUser(LIBID_TavrelCommander, 1, 0, 0x409, SYS_WIN64);
  if (FAILED(hr) && hr != TYPE_E_REGISTRYACCESS && hr != TYPE_E_LIBNOTREGISTERED &&
      SUCCEEDED(result))
    result = hr;
  // Whatever the system left of this version goes too (Wine unregisters a user's library from the
  // machine's classes), and the library's key with it unless another version is registered.
  const LSTATUS status = DeleteTree(scope, TypeLibKey(), 0);
  if (status != ERROR_SUCCESS && SUCCEEDED(result)) result = HRESULT_FROM_WIN32(status);
  RegDeleteKeyW(ClassesRoot(scope), Utf8ToWide(ClassesPath(LibraryKey())).c_str());
  return result;
}

}  // namespace tavrel
