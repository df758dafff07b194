#include "fake_os.h"

#include <map>
#include <new>

#include "base/failure.h"
#include "base/text.h"
#include "os/files.h"

namespace tavrel {
namespace {

struct Entry {
  std::string path;  // as given: the short name, and the name in listings
  std::uint32_t attributes = 0;
  std::string content;
  bool writable = true;
  bool folder() const { return attributes & os::kAttrDirectory; }
};

struct State {
  std::map<std::string, Entry> entries;            // by Key
  std::map<std::string, std::string> environment;  // by Key
  std::string untestable;                          // Key prefix
  fake_os::Folders dirs;
  fake_os::Faults faults;
};

State& S() {
  static State state;
  return state;
}

// A path without trailing "\" (except after a drive), folded to one case.
std::string Key(std::string path) {
  while (path.size() > 2 && path.back() == '\\')
    path.pop_back();
  for (auto& c : path)
    c = text::FoldCase(c);
  return path;
}

std::string Parent(const std::string& path) {
  const auto slash = Key(path).find_last_of('\\');
  return slash == std::string::npos ? std::string() : Key(path).substr(0, slash);
}

const Entry* Find(const std::string& path, int kind = -1) {  // kind: 0 file, 1 folder
  const auto it = S().entries.find(Key(path));
  if (it == S().entries.end() || (kind >= 0 && it->second.folder() != (kind == 1))) return nullptr;
  return &it->second;
}

void Require(bool condition, std::int32_t number) {
  if (!condition) Raise(number);
}

// The folder a new, changed or removed entry lives in must exist and be writable.
void RequireWritableParent(const std::string& path) {
  const Entry* parent = Find(Parent(path), 1);
  if (!parent) Raise(errnum::kPathNotFound);
  if (!parent->writable) Raise(errnum::kPathFileAccess);
}

bool Untestable(const std::string& path) {
  return !S().untestable.empty() && Key(path).starts_with(S().untestable);
}

}  // namespace

namespace fake_os {

void Reset() {
  S() = State{};
  S().dirs.program = "C:\\Tools\\Quillbox\\Programs";
  AddFolder("C:");
}

void AddFile(const std::string& path, const std::string& content, std::uint32_t attributes) {
  S().entries[Key(path)] = Entry{path, attributes, content};
}

void AddFolder(const std::string& path, bool writable) {
  if (!Parent(path).empty() && !Find(Parent(path))) AddFolder(Parent(path));
  S().entries[Key(path)] = Entry{path, os::kAttrDirectory, {}, writable};
}

void SetUntestable(const std::string& prefix) {
  S().untestable = Key(prefix);
}

void SetEnv(const std::string& name, const std::string& value) {
  S().environment[Key(name)] = value;
}

Folders& Dirs() {
  return S().dirs;
}

std::map<std::string, std::string> AllFiles() {
  std::map<std::string, std::string> all;
  for (const auto& [key, entry] : S().entries)
    if (!entry.folder()) all[entry.path] = entry.content;
  return all;
}

Faults& InjectedFaults() {
  return S().faults;
}

bool CallFails() {
  Faults& f = S().faults;
  if (++f.calls != f.failAt) return false;
  f.injected = true;
  if (f.badAlloc) throw std::bad_alloc();
  return true;
}

}  // namespace fake_os

namespace os {

std::optional<std::uint32_t> FileAttributes(const std::string& path) {
  Require(!fake_os::CallFails() && !Untestable(path), errnum::kDiskNotReady);
  const Entry* e = Find(path);
  return e ? std::optional(e->attributes) : std::nullopt;
}

std::string ShortPathName(const std::string& path) {
  const Entry* e = fake_os::CallFails() || Untestable(path) ? nullptr : Find(path);
  return e ? e->path : std::string();
}

std::string EnvironmentVariable(const std::string& name) {
  const auto found = S().environment.find(Key(name));
  return fake_os::CallFails() || found == S().environment.end() ? std::string() : found->second;
}

std::string WindowsDirectory() {
  return fake_os::CallFails() ? std::string() : S().dirs.windows;
}

std::string SystemDirectory() {
  return fake_os::CallFails() ? std::string() : S().dirs.system;
}

}  // namespace os

namespace files {

void RenameFile(const std::string& from, const std::string& to) {
  Require(!fake_os::CallFails(), errnum::kPathFileAccess);
  const Entry* e = Find(from, 0);
  Require(e, errnum::kFileNotFound);
  RequireWritableParent(from);
  RequireWritableParent(to);
  Require(!Find(to), errnum::kFileAlreadyExists);
  Entry moved = *e;
  moved.path = to;
  S().entries.erase(Key(from));
  S().entries[Key(to)] = moved;
}

void RemoveFile(const std::string& path) {
  Require(!fake_os::CallFails(), errnum::kPathFileAccess);
  Require(Find(path, 0), errnum::kFileNotFound);
  RequireWritableParent(path);
  S().entries.erase(Key(path));
}

void WriteWholeFile(const std::string& path, const std::string& content) {
  Require(!fake_os::CallFails(), errnum::kPathFileAccess);
  RequireWritableParent(path);
  Require(!Find(path, 1), errnum::kPathFileAccess);
  fake_os::AddFile(path, content);
}

std::string ProgramFolder() {
  return fake_os::CallFails() ? std::string() : S().dirs.program;
}

}  // namespace files

}  // namespace tavrel
