#include "ui/row_icons_win.h"

#include "ui/program_icons_win.h"

namespace tavrel {
namespace {

void SetRowImage(HWND list, int row, int image) {
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iImage = image;
  SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

// The icons are the same size as the shell's small ones, so rows keep their height when its
// list takes over.
RowIcons::RowIcons()
    : placeholder_(ImageList_Create(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                    ILC_COLOR32 | ILC_MASK, 1, 0)) {
  if (placeholder_) ImageList_AddIcon(placeholder_.get(), LoadIconA(nullptr, IDI_APPLICATION));
}

void RowIcons::UsePlaceholder(HWND list) {
  SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(placeholder_.get()));
}

void RowIcons::Clear(HWND list) {
  programs_.clear();
  next_ = 0;
  if (shellIcons_) UsePlaceholder(list);
  shellIcons_ = false;
}

bool RowIcons::LoadNext(HWND list) {
  if (!shellIcons_) {
    const HIMAGELIST shell = SystemSmallIcons();
    const int generic = GenericProgramIcon();
    if (!shell || generic < 0) return false;  // the generic icon of the placeholder stays
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(shell));
    const auto rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row)
      SetRowImage(list, row, generic);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    shellIcons_ = true;
    next_ = 0;
    return true;
  }
  if (next_ >= programs_.size()) return false;
  if (!programs_[next_].empty())
    SetRowImage(list, static_cast<int>(next_), ProgramIconIndex(programs_[next_]));
  ++next_;
  return true;
}

}  // namespace tavrel
