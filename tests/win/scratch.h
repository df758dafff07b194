// Helpers of the Windows tests: the shared scratch folder, and Windows paths of the build's own
// programs.
#pragma once

#include <windows.h>

#include <string>

#include "../support/scratch_folder.h"

namespace tavrel::wintest {

using testing::ScratchFolder;

// The Windows path of a file of the build tree (the build runs on the host; Wine maps / to Z:).
inline std::string WinPath(const char* hostPath) {
  std::string path = std::string("Z:") + hostPath;
  for (auto& c : path)
    if (c == '/') c = '\\';
  return path;
}

}  // namespace tavrel::wintest
