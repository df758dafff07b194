#include "ui/row_icons_win.h"

#include <algorithm>

#include "ui/program_icons_win.h"

namespace tavrel {
namespace {

constexpr int kGeneric = 0;  // the image of the generic icon

void SetRowImage(HWND list, int row, int image) {
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iImage = image;
  SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

// The icons are the system's small size, the size of the icons read from the programs. The
// generic one is the shell's from the start (user32's only when the shell has none), so that no
// row's icon changes but to its program's own.
RowIcons::RowIcons()
    : images_(ImageList_Create(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                               ILC_COLOR32 | ILC_MASK, 1, 4)) {
  if (!images_) return;
  const IconHandle generic = GenericProgramIcon();
  ImageList_AddIcon(images_.get(), generic ? generic.get() : LoadIconA(nullptr, IDI_APPLICATION));
}

void RowIcons::ShowIn(HWND list) {
  SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images_.get()));
}

void RowIcons::Clear() {
  programs_.clear();
  imageOf_.clear();
  next_ = 0;
  if (images_) ImageList_SetImageCount(images_.get(), 1);
}

bool RowIcons::LoadNext(HWND list) {
  if (!images_) return false;  // no icons at all
  // Rows whose program is none or read already take no step of their own.
  for (; next_ < programs_.size(); ++next_) {
    const std::string& program = programs_[next_];
    if (program.empty()) continue;
    const auto [known, added] = imageOf_.try_emplace(program, kGeneric);
    if (added) {
      const IconHandle icon = ProgramIcon(program);
      if (icon) known->second = std::max(kGeneric, ImageList_AddIcon(images_.get(), icon.get()));
    }
    if (known->second != kGeneric) SetRowImage(list, static_cast<int>(next_), known->second);
    if (added) break;
  }
  if (next_ >= programs_.size()) return false;
  ++next_;
  return true;
}

}  // namespace tavrel
