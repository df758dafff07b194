#include "fileinfo/system_dirs.h"

#include "fileinfo/file_type.h"
#include "os/os.h"

namespace tavrel {

void ReadWindowsDir() {
  WindowsDir() = os::WindowsDirectory();
}

void ReadSystemDir() {
  SystemDir() = os::SystemDirectory();
}

}  // namespace tavrel
