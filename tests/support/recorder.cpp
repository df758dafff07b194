// A stand-in for a launched program: appends its arguments and the long forms of the arguments
// and of its working folder, in UTF-8, to "<its own name>.log" beside its executable, then exits.
// Tests read the log to see how the program was started; a copy under another name writes a log
// of its own.
#include <windows.h>

#include <filesystem>
#include <string>

#include "os/ansi_win.h"

namespace {

// The long form of an existing path; the text itself when it names nothing.
std::string LongPath(const std::wstring& path) {
  wchar_t full[MAX_PATH * 4] = {};
  const DWORD n = GetLongPathNameW(path.c_str(), full, MAX_PATH * 4);
  return tavrel::WideToUtf8(n == 0 || n >= MAX_PATH * 4 ? path : std::wstring(full, n));
}

// The command line without the program's own name and the blanks after it.
std::wstring Arguments() {
  const wchar_t* at = GetCommandLineW();
  if (*at == L'"') {
    for (++at; *at && *at != L'"'; ++at) {
    }
    if (*at) ++at;
  } else {
    while (*at && *at != L' ' && *at != L'\t')
      ++at;
  }
  while (*at == L' ' || *at == L'\t')
    ++at;
  return at;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  wchar_t folder[MAX_PATH * 4] = {};
  const DWORD n = GetCurrentDirectoryW(MAX_PATH * 4, folder);
  const std::wstring arguments = Arguments();
  const std::string record = "args=" + tavrel::WideToUtf8(arguments) +
                             "\r\nlongargs=" + LongPath(arguments) +
                             "\r\nlongcwd=" + LongPath(std::wstring(folder, n)) + "\r\n";
  wchar_t self[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
  const auto log = std::filesystem::path(self).replace_extension(L".log");
  const HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL ok =
      WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(file);
  return ok ? 0 : 1;
}
