#include "ui/list_fitting_win.h"

#include <commctrl.h>

namespace tavrel {
namespace {

bool IsReportView(HWND list) {
  return list && IsWindow(list) && SendMessageA(list, LVM_GETVIEW, 0, 0) == LV_VIEW_DETAILS;
}

}  // namespace

void AutoSizeColumns(HWND list, bool hide, int first) {
  if (!IsReportView(list)) return;
  if (hide) ShowWindow(list, SW_HIDE);
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  const int columns = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  for (int c = first; c < columns; ++c)
    SendMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(c), LVSCW_AUTOSIZE_USEHEADER);
  if (hide) ShowWindow(list, SW_SHOW);
}

std::int32_t ListHeightForRows(HWND list, std::int32_t rows) {
  if (!IsReportView(list) || SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) <= 0) return 0;
  RECT item{};
  item.left = LVIR_SELECTBOUNDS;
  const bool ok = SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)) != 0;
  const long itemHeight = ok ? item.bottom - item.top : 0;
  RECT window{};
  RECT client{};
  GetWindowRect(list, &window);
  GetClientRect(list, &client);
  const long frame = (window.bottom - window.top) - (client.bottom - client.top);
  if (itemHeight < 1) return 0;
  return static_cast<std::int32_t>(itemHeight * rows + frame + 1);
}

}  // namespace tavrel
