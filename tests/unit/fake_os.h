// An in-memory stand-in for the system services of os/os.h and os/files.h in native tests: files
// with content and attributes, folders that can be made unwritable, paths that cannot be tested at
// all, environment variables, and the Windows, System and program folders. Paths and names compare
// without regard to case.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "os/os.h"

namespace tavrel::fake_os {

// Forgets everything, the fault plan too. "C:" exists; the program folder is
// C:\Tools\Quillbox\Programs, which does not exist until added.
void Reset();

// A file (its folder need not exist); its short name is the path as given here.
void AddFile(const std::string& path, const std::string& content = {},
             std::uint32_t attributes = 0x20);
// A folder and any missing parents.
void AddFolder(const std::string& path, bool writable = true);

// Every path beginning with prefix (one at a time) (a drive that is not ready, say) cannot be
// tested: FileAttributes raises "Disk not ready", ShortPathName gives an empty text.
void SetUntestable(const std::string& prefix);

// An empty value is no variable.
void SetEnv(const std::string& name, const std::string& value);

// What os::WindowsDirectory, os::SystemDirectory and files::ProgramFolder find.
struct Folders {
  std::string windows, system, program;
};
Folders& Dirs();

// Every file by its path as given (or as renamed to), with its content, read without counting
// as a system call.
std::map<std::string, std::string> AllFiles();

// Fault injection: each call of a fake system service (here and in fake_request) is counted, and
// the one numbered failAt fails as the system's call fails (raises, or answers "none"), or
// throws std::bad_alloc instead when badAlloc is set.
struct Faults {
  int failAt = 0;  // 0: none fails
  bool badAlloc = false;
  int calls = 0;
  bool injected = false;
};
Faults& InjectedFaults();
// Counts one call of a service; true when this call is to fail.
bool CallFails();

// Resets the fake when a test starts and again when it ends.
class Scope {
 public:
  Scope() { Reset(); }
  ~Scope() { Reset(); }
  Scope(const Scope&) = delete;
  Scope& operator=(const Scope&) = delete;
};

}  // namespace tavrel::fake_os
