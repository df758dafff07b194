#include "fake_files.h"

#include <algorithm>
#include <map>

#include "errors/failure.h"
#include "fileinfo/text.h"
#include "platform/files.h"

namespace tavrel::fakefs {
namespace {

struct Entry {
  std::string name;  // as given, for listings
  bool folder = false;
  bool writable = true;
  std::string content;
};

struct State {
  std::map<std::string, Entry> entries;  // by folded path without a trailing "\"
  std::string temp;
  std::string program;
};

State& state() {
  static State s;
  return s;
}

std::string Key(std::string path) {
  while (path.size() > 2 && path.back() == '\\')
    path.pop_back();
  for (auto& c : path)
    c = text::FoldCase(c);
  return path;
}

std::string Parent(const std::string& key) {
  const auto slash = key.find_last_of('\\');
  return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

Entry* Find(const std::string& path) {
  const auto it = state().entries.find(Key(path));
  return it == state().entries.end() ? nullptr : &it->second;
}

// The folder a new, changed or removed entry lives in must exist and be writable.
void RequireWritableParent(const std::string& path) {
  const std::string parent = Parent(Key(path));
  if (parent.empty()) Raise(errnum::kPathNotFound);
  const Entry* p = Find(parent);
  if (!p || !p->folder) Raise(errnum::kPathNotFound);
  if (!p->writable) Raise(75);
}

bool Matches(const std::string& name, const std::string& pattern) {
  if (pattern == "*") return true;
  if (pattern.size() < 1 || pattern[0] != '*') return text::EqualsNoCase(name, pattern);
  const std::string tail = pattern.substr(1);
  return name.size() >= tail.size() &&
         text::EqualsNoCase(std::string_view(name).substr(name.size() - tail.size()), tail);
}

}  // namespace

void Reset() {
  state() = State{};
  state().entries["C:"] = Entry{"C:", true, true, {}};
  state().temp = "C:\\Users\\me\\Temp\\";
  state().program = "C:\\Tools\\Quillbox\\Programs";
}

void SetTempFolder(const std::string& path) {
  state().temp = path;
}
void SetProgramFolder(const std::string& path) {
  state().program = path;
}

void AddFolder(const std::string& path, bool writable) {
  std::string trimmed = path;
  while (trimmed.size() > 2 && trimmed.back() == '\\')
    trimmed.pop_back();
  const std::string key = Key(trimmed);
  const std::string parent = Parent(key);
  if (!parent.empty() && !Find(parent)) AddFolder(trimmed.substr(0, parent.size()));
  state().entries[key] = Entry{NameOf(trimmed), true, writable, {}};
}

void AddFile(const std::string& path, const std::string& content) {
  state().entries[Key(path)] = Entry{NameOf(path), false, true, content};
}

std::optional<std::string> Content(const std::string& path) {
  const Entry* e = Find(path);
  if (!e || e->folder) return std::nullopt;
  return e->content;
}

bool Exists(const std::string& path) {
  return Find(path) != nullptr;
}

std::vector<std::string> Children(const std::string& folder) {
  std::vector<std::string> names;
  const std::string key = Key(folder);
  for (const auto& [k, e] : state().entries)
    if (k != key && Parent(k) == key) names.push_back(e.name);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace tavrel::fakefs

namespace tavrel::files {
using fakefs::Entry;
using fakefs::Find;
using fakefs::RequireWritableParent;

bool IsFile(const std::string& path) {
  const auto* e = Find(path);
  return e && !e->folder;
}

bool IsFolder(const std::string& path) {
  const auto* e = Find(path);
  return e && e->folder;
}

void CreateFolder(const std::string& path) {
  RequireWritableParent(path);
  if (Find(path)) Raise(75);
  fakefs::AddFolder(path);
}

void RemoveFolder(const std::string& path) {
  const auto* e = Find(path);
  if (!e || !e->folder) Raise(errnum::kPathNotFound);
  RequireWritableParent(path);
  if (!fakefs::Children(path).empty()) Raise(75);
  fakefs::state().entries.erase(fakefs::Key(path));
}

void RenameFile(const std::string& from, const std::string& to) {
  const auto* e = Find(from);
  if (!e || e->folder) Raise(errnum::kFileNotFound);
  RequireWritableParent(from);
  RequireWritableParent(to);
  if (Find(to)) Raise(58);
  Entry moved = *e;
  moved.name = fakefs::NameOf(to);
  fakefs::state().entries.erase(fakefs::Key(from));
  fakefs::state().entries[fakefs::Key(to)] = moved;
}

void RemoveFile(const std::string& path) {
  const auto* e = Find(path);
  if (!e || e->folder) Raise(errnum::kFileNotFound);
  RequireWritableParent(path);
  fakefs::state().entries.erase(fakefs::Key(path));
}

std::vector<std::string> FindFiles(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  for (const auto& name : fakefs::Children(folder)) {
    const auto* e = Find(folder + "\\" + name);
    if (e && !e->folder && fakefs::Matches(name, pattern)) names.push_back(name);
  }
  return names;
}

std::string ReadWholeFile(const std::string& path) {
  const auto* e = Find(path);
  if (!e || e->folder) Raise(errnum::kFileNotFound);
  return e->content;
}

void WriteWholeFile(const std::string& path, const std::string& content) {
  RequireWritableParent(path);
  const auto* e = Find(path);
  if (e && e->folder) Raise(75);
  fakefs::AddFile(path, content);
}

std::string TempFolder() {
  return fakefs::state().temp;
}

std::string ProgramFolder() {
  return fakefs::state().program;
}

}  // namespace tavrel::files
