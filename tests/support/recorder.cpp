// A stand-in for a launched program: appends its arguments, working folder and whole command
// line, and the long forms of the arguments and the folder, in UTF-8, to "<its own name>.log"
// beside its executable, then exits. Tests read the log to see how
// the program was started; a copy under another name writes a log of its own.
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const wchar_t* wide, DWORD length) {
  std::string text(length * 4, '\0');
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), text.data(),
                                    static_cast<int>(text.size()), nullptr, nullptr);
  text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return text;
}

std::wstring ModulePath() {
  wchar_t path[MAX_PATH * 4] = {};
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  return std::wstring(path, n);
}

// The long form of an existing path; the text itself when it names nothing.
std::string LongPath(const std::wstring& path) {
  wchar_t full[MAX_PATH * 4] = {};
  const DWORD n = GetLongPathNameW(path.c_str(), full, MAX_PATH * 4);
  return n == 0 || n >= MAX_PATH * 4 ? Utf8(path.c_str(), static_cast<DWORD>(path.size()))
                                     : Utf8(full, n);
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
  const std::wstring commandLine = GetCommandLineW();
  std::string record =
      "args=" + Utf8(arguments.c_str(), static_cast<DWORD>(arguments.size())) + "\r\n";
  record += "cwd=" + Utf8(folder, n) + "\r\n";
  record += "cmd=" + Utf8(commandLine.c_str(), static_cast<DWORD>(commandLine.size())) + "\r\n";
  record += "longargs=" + LongPath(arguments) + "\r\n";
  record += "longcwd=" + LongPath(std::wstring(folder, n)) + "\r\n";

  std::wstring log = ModulePath();
  const auto dot = log.find_last_of(L'.');
  if (dot != std::wstring::npos && dot > log.find_last_of(L'\\')) log.resize(dot);
  log += L".log";
  const HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL ok =
      WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(file);
  return ok ? 0 : 1;
}
