// The folders a program named without its folder is looked for in, in this order: the Windows
// folder, the System folder, then the entries of the Path. A request reads them afresh at its
// start and hands them to the file-type analysis.
#pragma once

#include <string>
#include <vector>

namespace tavrel {

struct SearchFolders {
  std::string WindowsDir;                            // as the system reports it; empty on failure
  std::string SystemDir;                             // likewise
  std::vector<std::string> PathDirs{std::string()};  // slot 0 is always empty and skipped
};

// Each reads its part from the system.
void ReadWindowsDir(SearchFolders& folders);
void ReadSystemDir(SearchFolders& folders);
// The entries of the environment variable "Path", empty ones kept.
void LoadPathDirs(SearchFolders& folders);

// All three.
SearchFolders ReadSearchFolders();

}  // namespace tavrel
