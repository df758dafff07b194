// Helpers of the Windows tests: Windows paths of the build's own programs, and a scratch folder
// under the temporary folder that is removed with its files afterwards.
#pragma once

#include <windows.h>

#include <string>

namespace tavrel::wintest {

// The Windows path of a file of the build tree (the build runs on the host; Wine maps / to Z:).
inline std::string WinPath(const char* hostPath) {
  std::string path = std::string("Z:") + hostPath;
  for (auto& c : path)
    if (c == '/') c = '\\';
  return path;
}

inline bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A new folder of its own, removed with the files in it when the test ends.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "tavrel-" + name + "-" + std::to_string(GetCurrentProcessId());
    Clear();
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~ScratchFolder() { Clear(); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  // A program the test started may still hold a file for a moment after it has done its work.
  void Clear() {
    for (int i = 0; i < 30 && GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES; ++i) {
      if (i > 0) Sleep(100);
      RemoveTree(path_);
    }
  }

  static void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string full = folder + "\\" + name;
        SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          RemoveTree(full);
        else
          DeleteFileA(full.c_str());
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
  }
  std::string path_;
};

}  // namespace tavrel::wintest
