#include "ui/program_icons_win.h"

#include <shellapi.h>

#include "errors/reporting.h"
#include "os/ansi_win.h"
#include "os/os.h"

namespace tavrel {
namespace {

// Whether the path lies on a network share or drive, found without asking the network: looking
// there can hold the chooser up for as long as an unreachable server takes to time out.
bool OnTheNetwork(const std::wstring& path) {
  if (path.size() >= 2 && (path[0] == L'\\' || path[0] == L'/') &&
      (path[1] == L'\\' || path[1] == L'/'))
    return true;
  if (path.size() < 2 || path[1] != L':') return false;
  const wchar_t root[] = {path[0], L':', L'\\', L'\0'};
  return GetDriveTypeW(root) == DRIVE_REMOTE;
}

// Whether the file is a program image, whose own icons are read from it; any other file the user
// chose as a program (a batch file, a shortcut) shows the shell's icon for it.
bool IsProgramImage(const std::wstring& path) {
  const std::size_t dot = path.find_last_of(L".\\/");
  if (dot == std::wstring::npos || path[dot] != L'.') return false;
  const wchar_t* extension = path.c_str() + dot;
  return lstrcmpiW(extension, L".exe") == 0 || lstrcmpiW(extension, L".com") == 0;
}

IconHandle ShellIcon(const std::wstring& path) {
  SHFILEINFOW info{};
  if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON))
    return IconHandle();
  return IconHandle(info.hIcon);
}

}  // namespace

IconHandle GenericProgramIcon() {
  SHSTOCKICONINFO stock{};
  stock.cbSize = sizeof stock;
  if (FAILED(SHGetStockIconInfo(SIID_APPLICATION, SHGSI_ICON | SHGSI_SMALLICON, &stock)))
    return IconHandle();
  return IconHandle(stock.hIcon);
}

// The program's own first icon, read at the small size alone. For a program image the shell's
// file information would give the same picture at several times the cost: it makes the shell's
// whole image list first, and reads every program at both sizes into it.
IconHandle ProgramIcon(const std::string& program) {
  if (program.empty()) return IconHandle();
  const std::wstring path = Utf8ToWide(program);
  if (OnTheNetwork(path)) return IconHandle();
  // An existing file only: a missing one would otherwise be looked up as a bare name along the
  // search path. A path that cannot be tested counts as missing.
  bool exists = false;
  SkipFailure([&] { exists = os::IsFile(program); });
  if (!exists) return IconHandle();
  if (!IsProgramImage(path)) return ShellIcon(path);
  HICON small = nullptr;  // stays null when the file has no icon
  ExtractIconExW(path.c_str(), 0, nullptr, &small, 1);
  return IconHandle(small);
}

}  // namespace tavrel
