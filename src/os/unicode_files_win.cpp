#include <windows.h>

#include <algorithm>
#include <climits>

#include "os/ansi_win.h"
#include "os/handles_win.h"
#include "os/unicode_files.h"

namespace tavrel::files {
namespace {

// A sharing or lock violation passes once the other process lets go; anything else does not.
FileRead FailedRead() {
  const DWORD error = GetLastError();
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ? FileRead::kLocked
                                                                           : FileRead::kMissing;
}

}  // namespace

FileRead ReadSharedFile(const std::string& utf8Path, std::uint64_t maxBytes, std::string& bytes) {
  bytes.clear();
  const std::wstring path = Utf8ToWide(utf8Path);
  if (path.empty()) return FileRead::kMissing;
  const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return FailedRead();
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return FailedRead();
  if (static_cast<std::uint64_t>(size.QuadPart) > maxBytes) return FileRead::kTooLarge;
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + done, want, &got, nullptr)) {
      const FileRead failed = FailedRead();
      bytes.clear();
      return failed;
    }
    if (got == 0) break;  // the file shrank while being read
    done += got;
  }
  bytes.resize(done);
  return FileRead::kRead;
}

std::string TempFolderUtf8() {
  wchar_t buffer[MAX_PATH + 2] = {};
  const DWORD n = GetTempPathW(MAX_PATH + 2, buffer);
  if (n == 0 || n > MAX_PATH + 1) return {};
  return WideToUtf8(std::wstring_view(buffer, n));
}

}  // namespace tavrel::files
