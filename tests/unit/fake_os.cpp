#include "fake_os.h"

#include <map>
#include <utility>
#include <vector>

#include "errors/failure.h"
#include "fileinfo/file_type.h"
#include "fileinfo/system_dirs.h"
#include "fileinfo/text.h"

namespace tavrel {
namespace {

std::string Fold(std::string_view s) {
  std::string folded(s);
  for (auto& c : folded)
    c = text::FoldCase(c);
  return folded;
}

struct Entry {
  std::uint32_t attributes = 0;
  std::string shortPath;
};

struct State {
  std::map<std::string, Entry> files;                            // by folded path
  std::map<std::string, std::string> environment;                // by folded name
  std::vector<std::pair<std::string, std::int32_t>> untestable;  // folded prefix, failure
  std::string windowsDir;
  std::string systemDir;
};

State& S() {
  static State state;
  return state;
}

const std::pair<std::string, std::int32_t>* UntestablePrefix(const std::string& path) {
  const std::string folded = Fold(path);
  for (const auto& entry : S().untestable)
    if (folded.compare(0, entry.first.size(), entry.first) == 0) return &entry;
  return nullptr;
}

}  // namespace

namespace fake_os {

void Reset() {
  S() = State{};
}

void AddFile(const std::string& path, std::uint32_t attributes, const std::string& shortPath) {
  S().files[Fold(path)] = Entry{attributes, shortPath.empty() ? path : shortPath};
}

void AddFolder(const std::string& path, const std::string& shortPath) {
  AddFile(path, os::kAttrDirectory, shortPath);
}

void RemoveFile(const std::string& path) {
  S().files.erase(Fold(path));
}

void SetUntestable(const std::string& prefix, std::int32_t failureNumber) {
  S().untestable.emplace_back(Fold(prefix), failureNumber);
}

void SetEnv(const std::string& name, const std::string& value) {
  if (value.empty()) {
    S().environment.erase(Fold(name));
  } else {
    S().environment[Fold(name)] = value;
  }
}

void SetWindowsDirectory(const std::string& dir) {
  S().windowsDir = dir;
}
void SetSystemDirectory(const std::string& dir) {
  S().systemDir = dir;
}

}  // namespace fake_os

namespace os {

std::optional<std::uint32_t> FileAttributes(const std::string& path) {
  if (const auto* untestable = UntestablePrefix(path)) Raise(untestable->second);
  const auto found = S().files.find(Fold(path));
  if (found == S().files.end()) return std::nullopt;
  return found->second.attributes;
}

std::string ShortPathName(const std::string& path) {
  if (UntestablePrefix(path)) return {};
  const auto found = S().files.find(Fold(path));
  return found == S().files.end() ? std::string() : found->second.shortPath;
}

std::string EnvironmentVariable(const std::string& name) {
  const auto found = S().environment.find(Fold(name));
  return found == S().environment.end() ? std::string() : found->second;
}

}  // namespace os

void ReadWindowsDir() {
  WindowsDir() = S().windowsDir;
}
void ReadSystemDir() {
  SystemDir() = S().systemDir;
}

}  // namespace tavrel
