#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>

#include "base/failure.h"
#include "base/path.h"
#include "os/ansi_win.h"
#include "os/executable_win.h"
#include "os/files.h"
#include "os/handles_win.h"

namespace tavrel::files {
namespace {

// Raises the run-time failure a user would see for the system error of the last call.
[[noreturn]] void RaiseLastError() {
  const DWORD code = GetLastError();
  std::int32_t number = errnum::kPathFileAccess;
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
      number = errnum::kFileAlreadyExists;
      break;
    default:
      break;
  }
  Raise(number, {}, static_cast<std::int32_t>(code));
}

// A file handle owns nothing when it holds INVALID_HANDLE_VALUE.

}  // namespace

void RenameFile(const std::string& from, const std::string& to) {
  if (!MoveFileW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str())) RaiseLastError();
}

void RemoveFile(const std::string& path) {
  if (!DeleteFileW(Utf8ToWide(path).c_str())) RaiseLastError();
}

void WriteWholeFile(const std::string& path, const std::string& content) {
  const FileHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
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
  return std::string(path::Folder(WideToUtf8(ExecutablePath())));
}

}  // namespace tavrel::files
