#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>

#include "base/failure.h"
#include "base/unique.h"
#include "os/files.h"

namespace tavrel::files {
namespace {

constexpr std::int32_t kFileAlreadyExists = 58;
constexpr std::int32_t kPathFileAccess = 75;

// Raises the run-time failure a user would see for the system error of the last call.
[[noreturn]] void RaiseLastError() {
  const DWORD code = GetLastError();
  std::int32_t number = kPathFileAccess;
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
      number = errnum::kFileNotFound;
      break;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
      number = errnum::kPathNotFound;
      break;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      number = kFileAlreadyExists;
      break;
    default:
      break;
  }
  Raise(number, {}, static_cast<std::int32_t>(code));
}

// Files and searches both own nothing when they hold INVALID_HANDLE_VALUE.
constexpr auto kNoHandle = [] { return INVALID_HANDLE_VALUE; };
using FileHandle = Unique<HANDLE, &CloseHandle, kNoHandle>;
using SearchHandle = Unique<HANDLE, &FindClose, kNoHandle>;

std::optional<DWORD> Attributes(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  if (a == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return a;
}

}  // namespace

bool IsFile(const std::string& path) {
  const auto a = Attributes(path);
  return a && !(*a & FILE_ATTRIBUTE_DIRECTORY);
}

void RenameFile(const std::string& from, const std::string& to) {
  if (!MoveFileA(from.c_str(), to.c_str())) RaiseLastError();
}

void RemoveFile(const std::string& path) {
  if (!DeleteFileA(path.c_str())) RaiseLastError();
}

std::vector<std::string> FindFiles(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  std::string spec = folder;
  if (!spec.empty() && spec.back() != '\\') spec += '\\';
  spec += pattern;
  WIN32_FIND_DATAA found{};
  const SearchHandle search(FindFirstFileA(spec.c_str(), &found));
  if (!search) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
  } while (FindNextFileA(search.get(), &found));
  return names;
}

std::string ReadWholeFile(const std::string& path) {
  const FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) RaiseLastError();
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) RaiseLastError();
  std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < content.size()) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(file.get(), content.data() + done, want, &got, nullptr)) RaiseLastError();
    if (got == 0) break;  // the file shrank while being read
    done += got;
  }
  content.resize(done);
  return content;
}

void WriteWholeFile(const std::string& path, const std::string& content) {
  const FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) RaiseLastError();
  std::size_t done = 0;
  while (done < content.size()) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1u << 30));
    DWORD put = 0;
    if (!WriteFile(file.get(), content.data() + done, want, &put, nullptr)) RaiseLastError();
    done += put;
  }
}

std::string ProgramFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  const auto slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace tavrel::files
