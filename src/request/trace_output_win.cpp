#include <windows.h>

#include <shlwapi.h>

#include <climits>
#include <cstdio>
#include <string_view>

#include "os/ansi_win.h"
#include "os/handles_win.h"
#include "request/trace_output.h"

namespace tavrel {
namespace {

// "2026-12-07 01:23:45.678 ", local time.
std::string Timestamp() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  char text[32] = {};
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%03u ", t.wYear, t.wMonth, t.wDay,
                t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
  return text;
}

// Others may read, append to and rename the log while it is open here.
FileHandle OpenLog(const std::wstring& path, DWORD access, DWORD disposition) {
  return FileHandle(CreateFileW(path.c_str(), access,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

void AppendToLog(const std::wstring& path, const std::string& record) {
  FileHandle file = OpenLog(path, FILE_APPEND_DATA, OPEN_ALWAYS);
  if (!file) return;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return;
  if (size.QuadPart > 0 &&
      static_cast<std::uint64_t>(size.QuadPart) + record.size() > kTraceLogCap) {
    file.reset();
    const std::wstring old = path + L".old";
    if (MoveFileExW(path.c_str(), old.c_str(), MOVEFILE_REPLACE_EXISTING)) {
      file = OpenLog(path, FILE_APPEND_DATA, OPEN_ALWAYS);
    } else {
      // The log may never grow past its cap: without a way to keep the old lines it starts over.
      file = OpenLog(path, GENERIC_WRITE, CREATE_ALWAYS);
    }
    if (!file) return;
  }
  DWORD written = 0;
  WriteFile(file.get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
}

}  // namespace

std::wstring ConfiguredTraceLog() noexcept {
  try {
    constexpr const wchar_t* kKey = L"Software\\Tavrel\\Chooser";
    constexpr const wchar_t* kValue = L"LogFile";
    // A plain string, or one with environment variables, which the call expands.
    constexpr DWORD kFlags = RRF_RT_REG_SZ;
    // The size can change between the two calls; a few rounds settle it.
    for (int round = 0; round < 3; ++round) {
      DWORD bytes = 0;
      if (RegGetValueW(HKEY_CURRENT_USER, kKey, kValue, kFlags, nullptr, nullptr, &bytes) !=
          ERROR_SUCCESS)
        return {};
      std::wstring path(bytes / sizeof(wchar_t) + 1, L'\0');
      bytes = static_cast<DWORD>(path.size() * sizeof(wchar_t));
      const LSTATUS status =
          RegGetValueW(HKEY_CURRENT_USER, kKey, kValue, kFlags, nullptr, path.data(), &bytes);
      if (status == ERROR_MORE_DATA) continue;
      if (status != ERROR_SUCCESS) return {};
      path.resize(wcsnlen(path.c_str(), path.size()));
      // The server's current folder is not the user's: a relative name would land anywhere.
      if (PathIsRelativeW(path.c_str())) return {};
      return path;
    }
  } catch (...) {
  }
  return {};
}

void PublishTrace(const std::string& line, const std::wstring& logFile) noexcept {
  if (line.empty()) return;
  try {
    OutputDebugStringW((Utf8ToWide(line) + L"\n").c_str());
    if (!logFile.empty()) AppendToLog(logFile, Timestamp() + line + "\r\n");
  } catch (...) {
  }
}

}  // namespace tavrel
