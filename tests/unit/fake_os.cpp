#include "fake_os.h"

#include <map>
#include <utility>

#include "errors/failure.h"
#include "fileinfo/file_type.h"
#include "fileinfo/system_dirs.h"
#include "fileinfo/text.h"
#include "platform/files.h"

namespace tavrel {
namespace {

struct Entry {
  std::string name;  // as given, for listings
  std::uint32_t attributes = fake_os::kAttrArchive;
  std::string shortPath;
  std::string content;
  bool writable = true;
  bool folder() const { return attributes & os::kAttrDirectory; }
};

struct State {
  std::map<std::string, Entry> entries;                          // by Key
  std::map<std::string, std::string> environment;                // by folded name
  std::vector<std::pair<std::string, std::int32_t>> untestable;  // folded prefix, failure
  std::string windowsDir, systemDir, temp, program;
};

State& S() {
  static State state;
  return state;
}

std::string Fold(std::string_view s) {
  std::string folded(s);
  for (auto& c : folded)
    c = text::FoldCase(c);
  return folded;
}

std::string Trimmed(std::string path) {
  while (path.size() > 2 && path.back() == '\\')
    path.pop_back();
  return path;
}

std::string Key(const std::string& path) {
  return Fold(Trimmed(path));
}

std::string Parent(const std::string& path) {
  const auto slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

Entry* Find(const std::string& path) {
  const auto it = S().entries.find(Key(path));
  return it == S().entries.end() ? nullptr : &it->second;
}

const Entry* FindFile(const std::string& path) {
  const Entry* e = Find(path);
  return e && !e->folder() ? e : nullptr;
}

// The folder a new, changed or removed entry lives in must exist and be writable.
void RequireWritableParent(const std::string& path) {
  const Entry* p = Find(Parent(Trimmed(path)));
  if (!p || !p->folder()) Raise(errnum::kPathNotFound);
  if (!p->writable) Raise(75);
}

void Put(const std::string& path, Entry entry) {
  entry.name = Trimmed(path).substr(Parent(Trimmed(path)).size());
  if (!entry.name.empty() && entry.name[0] == '\\') entry.name.erase(0, 1);
  if (entry.shortPath.empty()) entry.shortPath = path;
  S().entries[Key(path)] = std::move(entry);
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
  S().temp = "C:\\Users\\me\\Temp\\";
  S().program = "C:\\Tools\\Quillbox\\Programs";
  AddFolder("C:");
}

void AddFile(const std::string& path, const std::string& content, std::uint32_t attributes,
             const std::string& shortPath) {
  Put(path, Entry{{}, attributes, shortPath, content});
}

void AddFolder(const std::string& path, bool writable) {
  const std::string parent = Parent(Trimmed(path));
  if (!parent.empty() && !Find(parent)) AddFolder(parent);
  Put(path, Entry{{}, os::kAttrDirectory, {}, {}, writable});
}

std::optional<std::string> Content(const std::string& path) {
  const Entry* e = FindFile(path);
  return e ? std::optional(e->content) : std::nullopt;
}

bool Exists(const std::string& path) {
  return Find(path) != nullptr;
}

std::vector<std::string> Children(const std::string& folder) {
  std::vector<std::string> names;  // the map's order of folded paths, which is sorted
  const std::string key = Key(folder);
  for (const auto& [k, e] : S().entries)
    if (k != key && Parent(k) == key) names.push_back(e.name);
  return names;
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
void SetTempFolder(const std::string& path) {
  S().temp = path;
}
void SetProgramFolder(const std::string& path) {
  S().program = path;
}

}  // namespace fake_os

namespace os {

std::optional<std::uint32_t> FileAttributes(const std::string& path) {
  if (const auto* untestable = UntestablePrefix(path)) Raise(untestable->second);
  const Entry* e = Find(path);
  return e ? std::optional(e->attributes) : std::nullopt;
}

std::string ShortPathName(const std::string& path) {
  const Entry* e = UntestablePrefix(path) ? nullptr : Find(path);
  return e ? e->shortPath : std::string();
}

std::string EnvironmentVariable(const std::string& name) {
  const auto found = S().environment.find(Fold(name));
  return found == S().environment.end() ? std::string() : found->second;
}

}  // namespace os

namespace files {

bool IsFile(const std::string& path) {
  return FindFile(path) != nullptr;
}

bool IsFolder(const std::string& path) {
  const Entry* e = Find(path);
  return e && e->folder();
}

void CreateFolder(const std::string& path) {
  RequireWritableParent(path);
  if (Find(path)) Raise(75);
  fake_os::AddFolder(path);
}

void RemoveFolder(const std::string& path) {
  if (!IsFolder(path)) Raise(errnum::kPathNotFound);
  RequireWritableParent(path);
  if (!fake_os::Children(path).empty()) Raise(75);
  S().entries.erase(Key(path));
}

void RenameFile(const std::string& from, const std::string& to) {
  const Entry* e = FindFile(from);
  if (!e) Raise(errnum::kFileNotFound);
  RequireWritableParent(from);
  RequireWritableParent(to);
  if (Find(to)) Raise(58);
  Entry moved = *e;
  moved.shortPath.clear();
  S().entries.erase(Key(from));
  Put(to, std::move(moved));
}

void RemoveFile(const std::string& path) {
  if (!FindFile(path)) Raise(errnum::kFileNotFound);
  RequireWritableParent(path);
  S().entries.erase(Key(path));
}

std::vector<std::string> FindFiles(const std::string& folder, const std::string& pattern) {
  // Enough of the system's wildcards for the data store: "*", "*.ext" and whole names.
  const auto matches = [&](const std::string& name) {
    if (pattern.empty() || pattern[0] != '*') return text::EqualsNoCase(name, pattern);
    const std::string_view tail = std::string_view(pattern).substr(1);
    return name.size() >= tail.size() &&
           text::EqualsNoCase(std::string_view(name).substr(name.size() - tail.size()), tail);
  };
  std::vector<std::string> names;
  for (const auto& name : fake_os::Children(folder))
    if (IsFile(folder + "\\" + name) && matches(name)) names.push_back(name);
  return names;
}

std::string ReadWholeFile(const std::string& path) {
  const Entry* e = FindFile(path);
  if (!e) Raise(errnum::kFileNotFound);
  return e->content;
}

void WriteWholeFile(const std::string& path, const std::string& content) {
  RequireWritableParent(path);
  if (IsFolder(path)) Raise(75);
  fake_os::AddFile(path, content);
}

std::string TempFolder() {
  return S().temp;
}

std::string ProgramFolder() {
  return S().program;
}

}  // namespace files

void ReadWindowsDir() {
  WindowsDir() = S().windowsDir;
}
void ReadSystemDir() {
  SystemDir() = S().systemDir;
}

}  // namespace tavrel
