// An in-memory stand-in for the system services of platform/os.h, platform/files.h and
// fileinfo/system_dirs.h in native tests: files with content, attributes and short names, folders
// that can be made unwritable, paths that cannot be tested at all, environment variables, and the
// Windows, System, temporary and program folders. Paths compare without regard to case.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/os.h"

namespace tavrel::fake_os {

constexpr std::uint32_t kAttrArchive = 0x20;

// Forgets everything. "C:" exists; the temporary folder is C:\Users\me\Temp\ and the program
// folder C:\Tools\Quillbox\Programs, neither of which exists until added.
void Reset();

// A file (its folder need not exist); its short name is the path itself unless one is given.
void AddFile(const std::string& path, const std::string& content = {},
             std::uint32_t attributes = kAttrArchive, const std::string& shortPath = {});
// A folder and any missing parents.
void AddFolder(const std::string& path, bool writable = true);

std::optional<std::string> Content(const std::string& path);
bool Exists(const std::string& path);
// Names of the files and folders directly inside a folder, sorted.
std::vector<std::string> Children(const std::string& folder);

// Every path beginning with prefix (a drive that is not ready, say) cannot be tested:
// FileAttributes raises the failure number, ShortPathName gives an empty text.
void SetUntestable(const std::string& prefix, std::int32_t failureNumber = 71);

// Sets an environment variable; an empty value removes it.
void SetEnv(const std::string& name, const std::string& value);

// What ReadWindowsDir, ReadSystemDir, files::TempFolder and files::ProgramFolder find.
void SetWindowsDirectory(const std::string& dir);
void SetSystemDirectory(const std::string& dir);
void SetTempFolder(const std::string& path);
void SetProgramFolder(const std::string& path);

// Resets the fake when a test starts and again when it ends.
class Scope {
 public:
  Scope() { Reset(); }
  ~Scope() { Reset(); }
  Scope(const Scope&) = delete;
  Scope& operator=(const Scope&) = delete;
};

}  // namespace tavrel::fake_os
