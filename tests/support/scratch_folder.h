// A fresh folder under the system's temporary folder for one test, removed afterwards with
// everything in it, read-only files included; and the Windows path of a build file. Native and
// Windows tests share them.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tavrel::testing {

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name = "test") {
    static int made = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("tavrel-" + name + "-" + std::to_string(std::random_device()()) + "-" +
             std::to_string(++made));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    namespace fs = std::filesystem;
    std::error_code ignored;
    for (fs::recursive_directory_iterator it(path_, ignored), end; it != end; it.increment(ignored))
      fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string path() const { return path_.string(); }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  void Write(const std::string& name, const std::string& content) const {
    std::ofstream(path_ / name, std::ios::binary) << content;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  bool Has(const std::string& name) const { return std::filesystem::exists(path_ / name); }

 private:
  std::filesystem::path path_;
};

// The Windows path of a file of the build tree (the build runs on the host; Wine maps / to Z:).
inline std::string WinPath(const char* hostPath) {
  std::string path = std::string("Z:") + hostPath;
  for (auto& c : path)
    if (c == '/') c = '\\';
  return path;
}

}  // namespace tavrel::testing
