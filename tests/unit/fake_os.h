// An in-memory stand-in for the operating-system services of platform/os.h and
// fileinfo/system_dirs.h, for native tests: files and folders with attributes and short names,
// environment variables, the Windows and System directories, and paths that cannot be tested.
// Paths and variable names compare without regard to case, as on Windows.
#pragma once

#include <cstdint>
#include <string>

#include "platform/os.h"

namespace tavrel::fake_os {

constexpr std::uint32_t kAttrArchive = 0x20;

// Forgets every file, variable, directory and untestable path set so far.
void Reset();

// An existing file; its short name is the path itself unless one is given.
void AddFile(const std::string& path, std::uint32_t attributes = kAttrArchive,
             const std::string& shortPath = {});
void AddFolder(const std::string& path, const std::string& shortPath = {});
void RemoveFile(const std::string& path);

// Every path beginning with prefix (a drive that is not ready, say) cannot be tested:
// FileAttributes raises the failure number, ShortPathName gives an empty text.
void SetUntestable(const std::string& prefix, std::int32_t failureNumber = 71);

// Sets an environment variable; an empty value removes it.
void SetEnv(const std::string& name, const std::string& value);

// What ReadWindowsDir and ReadSystemDir find.
void SetWindowsDirectory(const std::string& dir);
void SetSystemDirectory(const std::string& dir);

// Resets the fake when a test starts and again when it ends.
class Scope {
 public:
  Scope() { Reset(); }
  ~Scope() { Reset(); }
  Scope(const Scope&) = delete;
  Scope& operator=(const Scope&) = delete;
};

}  // namespace tavrel::fake_os
