// A stand-in for a launched program: appends its arguments, working folder and whole command
// line, and the long forms of the arguments and the folder, to "<its own name>.log" beside its
// executable, then exits. Tests read the log to see how
// the program was started; a copy under another name writes a log of its own.
#include <windows.h>

#include <string>

namespace {

std::string ModulePath() {
  char path[MAX_PATH * 4] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, n);
}

// The long form of an existing path; the text itself when it names nothing.
std::string LongPath(const std::string& path) {
  char full[MAX_PATH * 4] = {};
  const DWORD n = GetLongPathNameA(path.c_str(), full, sizeof full);
  return n == 0 || n >= sizeof full ? path : std::string(full, n);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  char folder[MAX_PATH * 4] = {};
  const DWORD n = GetCurrentDirectoryA(sizeof folder, folder);
  std::string record = "args=" + std::string(arguments ? arguments : "") + "\r\n";
  record += "cwd=" + std::string(folder, n) + "\r\n";
  record += "cmd=" + std::string(GetCommandLineA()) + "\r\n";
  record += "longargs=" + LongPath(arguments ? arguments : "") + "\r\n";
  record += "longcwd=" + LongPath(std::string(folder, n)) + "\r\n";

  std::string log = ModulePath();
  const auto dot = log.find_last_of('.');
  if (dot != std::string::npos && dot > log.find_last_of('\\')) log.resize(dot);
  log += ".log";
  const HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL ok =
      WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(file);
  return ok ? 0 : 1;
}
