// Files named by UTF-8 paths and opened through the wide (UTF-16) API, so that folder names
// outside the ANSI code page work: the user's temporary folder, the program folder and what lies
// in them. The Windows build implements them in unicode_files_win.cpp.
#pragma once

#include <cstdint>
#include <string>

namespace tavrel::files {

enum class FileRead {
  kRead,
  kMissing,   // not there, a folder, or not readable
  kLocked,    // another process holds it so that it cannot be read now
  kTooLarge,  // larger than the caller takes
};

// Reads the whole file while letting other processes read, write, replace or delete it.
// Reads nothing when the file is larger than maxBytes.
[[nodiscard]] FileRead ReadSharedFile(const std::string& utf8Path, std::uint64_t maxBytes,
                                      std::string& bytes);

// The user's temporary folder (ending in "\"), in UTF-8; empty when the system gives none.
std::string TempFolderUtf8();

}  // namespace tavrel::files
