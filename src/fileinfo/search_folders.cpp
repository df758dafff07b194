#include "fileinfo/search_folders.h"

#include "base/text.h"
#include "os/os.h"

namespace tavrel {

void ReadWindowsDir(SearchFolders& folders) {
  folders.WindowsDir = os::WindowsDirectory();
}

void ReadSystemDir(SearchFolders& folders) {
  folders.SystemDir = os::SystemDirectory();
}

void LoadPathDirs(SearchFolders& folders) {
  std::string path = os::EnvironmentVariable("Path");
  if (path.empty() || path.back() != ';') path.push_back(';');
  if (path.front() != ';') path.insert(0, 1, ';');
  // The piece before the leading ";" stays as the empty slot 0; the one after the last is dropped.
  auto pieces = text::Split(path, ";");
  pieces.pop_back();
  folders.PathDirs.assign(pieces.begin(), pieces.end());
}

SearchFolders ReadSearchFolders() {
  SearchFolders folders;
  ReadWindowsDir(folders);
  ReadSystemDir(folders);
  LoadPathDirs(folders);
  return folders;
}

}  // namespace tavrel
