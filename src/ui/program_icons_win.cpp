#include "ui/program_icons_win.h"

#include <shellapi.h>

#include "errors/reporting.h"
#include "os/ansi_win.h"
#include "os/os.h"

namespace tavrel {
namespace {

constexpr UINT kIndexFlags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON;

// The system's icon for a program in general; failing that, the icon of any program file found
// by type alone (no file is read).
int LookUpGenericProgramIcon() {
  SHSTOCKICONINFO stock{};
  stock.cbSize = sizeof stock;
  if (SUCCEEDED(
          SHGetStockIconInfo(SIID_APPLICATION, SHGSI_SYSICONINDEX | SHGSI_SMALLICON, &stock)) &&
      stock.iSysImageIndex >= 0)
    return stock.iSysImageIndex;
  SHFILEINFOW info{};
  if (!SHGetFileInfoW(L"program.exe", FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                      kIndexFlags | SHGFI_USEFILEATTRIBUTES))
    return -1;
  return info.iIcon;
}

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

}  // namespace

int GenericProgramIcon() {
  static const int index = LookUpGenericProgramIcon();
  return index;
}

HIMAGELIST SystemSmallIcons() {
  SHFILEINFOW info{};
  return reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(L"program.exe", FILE_ATTRIBUTE_NORMAL, &info,
                                                     sizeof info,
                                                     kIndexFlags | SHGFI_USEFILEATTRIBUTES));
}

int ProgramIconIndex(const std::string& program) {
  if (!program.empty()) {
    const std::wstring path = Utf8ToWide(program);
    if (OnTheNetwork(path)) return GenericProgramIcon();
    SHFILEINFOW info{};
    // An existing file only: a missing one would otherwise be looked up as a bare name, and a
    // folder would show a folder. A path that cannot be tested counts as missing.
    bool exists = false;
    SkipFailure([&] { exists = os::IsFile(program); });
    if (exists && SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, kIndexFlags) &&
        info.iIcon >= 0)
      return info.iIcon;
  }
  return GenericProgramIcon();
}

}  // namespace tavrel
