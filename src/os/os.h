// The operating-system services the OS-free core asks for. The Windows build implements them in
// os_win.cpp; native tests link a fake of their own in their place.
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

// The short (8.3) form of an existing path as the system reports it; empty when it is missing.
std::string ShortPathName(const std::string& path);

// The value of an environment variable; empty when it is not set.
std::string EnvironmentVariable(const std::string& name);

// The Windows and System directories as the system reports them; empty when the call fails.
std::string WindowsDirectory();
std::string SystemDirectory();

}  // namespace tavrel::os
