#include "ui/program_icons_win.h"

#include <shellapi.h>

#include "platform/ansi_win.h"

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
    const std::wstring path = AnsiToWide(program);
    SHFILEINFOW info{};
    // An existing file only: a missing one would otherwise be looked up as a bare name, and a
    // folder would show a folder.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
        SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, kIndexFlags) && info.iIcon >= 0)
      return info.iIcon;
  }
  return GenericProgramIcon();
}

}  // namespace tavrel
