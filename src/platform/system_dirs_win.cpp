#include <windows.h>

#include "fileinfo/file_type.h"
#include "fileinfo/system_dirs.h"
#include "platform/grow_buffer.h"

namespace tavrel {

void ReadWindowsDir() {
  WindowsDir() = os::ReadGrowing([](char* buffer, std::size_t declared) -> std::size_t {
    return GetWindowsDirectoryA(buffer, static_cast<UINT>(declared));
  });
}

void ReadSystemDir() {
  SystemDir() = os::ReadGrowing([](char* buffer, std::size_t declared) -> std::size_t {
    return GetSystemDirectoryA(buffer, static_cast<UINT>(declared));
  });
}

}  // namespace tavrel
