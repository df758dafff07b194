// A document type associated with a program in the test prefix for the length of a test, the
// way an installer registers one under HKEY_CLASSES_ROOT.
#pragma once

#include <windows.h>

#include <string>

namespace tavrel::wintest {

class Association {
 public:
  Association(const std::string& extension, const std::string& program)
      : extension_(extension), progId_("TavrelTest" + extension) {
    Set(extension_, progId_);
    Set(progId_ + "\\shell\\open\\command", "\"" + program + "\" \"%1\"");
  }
  ~Association() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, progId_.c_str());
    RegDeleteTreeA(HKEY_CLASSES_ROOT, extension_.c_str());
  }
  Association(const Association&) = delete;
  Association& operator=(const Association&) = delete;

 private:
  static void Set(const std::string& key, const std::string& value) {
    HKEY k = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k,
                        nullptr) != ERROR_SUCCESS)
      return;
    RegSetValueExA(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(k);
  }
  std::string extension_;
  std::string progId_;
};

}  // namespace tavrel::wintest
