#include <windows.h>

#include "base/failure.h"
#include "os/ansi_win.h"
#include "os/grow_buffer.h"
#include "os/os.h"

namespace tavrel::os {
namespace {

// Errors that mean the path names nothing: the file, its folder, its drive or its share does
// not exist, or the name is not a valid file name (a command line tried as a path, say).
bool NamesNothing(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
      return true;
    default:
      return false;
  }
}

// The run-time failure for a path that could not be tested.
std::int32_t FailureNumberFor(DWORD error) {
  switch (error) {
    case ERROR_NOT_READY:
      return errnum::kDiskNotReady;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return errnum::kPathFileAccess;
    case ERROR_DEV_NOT_EXIST:
    case ERROR_NETNAME_DELETED:
    case ERROR_UNEXP_NET_ERR:
    case ERROR_NETWORK_UNREACHABLE:
      return errnum::kDeviceUnavailable;
    default:
      return errnum::kDeviceIo;
  }
}

}  // namespace

std::optional<std::uint32_t> FileAttributes(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return attributes;
  const DWORD error = GetLastError();
  if (path.empty() || NamesNothing(error)) return std::nullopt;
  Raise(FailureNumberFor(error), {}, static_cast<std::int32_t>(error));
}

std::string ShortPathName(const std::string& path) {
  if (path.empty()) return {};
  const std::wstring wide = Utf8ToWide(path);
  return WideToUtf8(ReadGrowing<wchar_t>([&](wchar_t* buffer, std::size_t declared) -> std::size_t {
    return GetShortPathNameW(wide.c_str(), buffer, static_cast<DWORD>(declared));
  }));
}

std::string EnvironmentVariable(const std::string& name) {
  if (name.empty()) return {};
  const std::wstring wide = Utf8ToWide(name);
  return WideToUtf8(ReadGrowing<wchar_t>([&](wchar_t* buffer, std::size_t declared) -> std::size_t {
    return GetEnvironmentVariableW(wide.c_str(), buffer, static_cast<DWORD>(declared));
  }));
}

std::string WindowsDirectory() {
  return WideToUtf8(ReadGrowing<wchar_t>([](wchar_t* buffer, std::size_t declared) -> std::size_t {
    return GetWindowsDirectoryW(buffer, static_cast<UINT>(declared));
  }));
}

std::string SystemDirectory() {
  return WideToUtf8(ReadGrowing<wchar_t>([](wchar_t* buffer, std::size_t declared) -> std::size_t {
    return GetSystemDirectoryW(buffer, static_cast<UINT>(declared));
  }));
}

}  // namespace tavrel::os
