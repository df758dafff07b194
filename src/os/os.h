// The operating-system services the OS-free core asks for, on UTF-8 paths and names. The Windows
// build implements them in os_win.cpp through the wide API; native tests link a fake of their own
// in their place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tavrel::os {

constexpr std::uint32_t kAttrReadOnly = 0x1;
constexpr std::uint32_t kAttrHidden = 0x2;
constexpr std::uint32_t kAttrSystem = 0x4;
constexpr std::uint32_t kAttrDirectory = 0x10;

// Attributes of an existing file or folder; nullopt when the path names nothing. Raises a
// failure when the path cannot be tested at all (a drive that is not ready, say).
std::optional<std::uint32_t> FileAttributes(const std::string& path);

// Whether attributes, as FileAttributes gives them, are those of a file, not a folder, with none
// of the excluded ones.
inline bool IsFile(std::optional<std::uint32_t> attributes, std::uint32_t excluded = 0) {
  return attributes && (*attributes & (kAttrDirectory | excluded)) == 0;
}

// Whether the path names an existing file, not a folder, with none of the excluded attributes.
// Raises like FileAttributes.
inline bool IsFile(const std::string& path, std::uint32_t excluded = 0) {
  return IsFile(FileAttributes(path), excluded);
}

// The short (8.3) form of an existing path as the system reports it; empty when it is missing.
std::string ShortPathName(const std::string& path);

// The value of an environment variable; empty when it is not set.
std::string EnvironmentVariable(const std::string& name);

// The Windows and System directories as the system reports them; empty when the call fails.
std::string WindowsDirectory();
std::string SystemDirectory();

}  // namespace tavrel::os
