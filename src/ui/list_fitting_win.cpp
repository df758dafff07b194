#include "ui/list_fitting_win.h"

#include <commctrl.h>

#include <iterator>

#include "ui/dpi_win.h"

namespace tavrel {
namespace {

// Room a header keeps on either side of its text, in pixels at 96 dpi.
constexpr int kHeaderPadding = 12;

bool IsReportView(HWND list) {
  return list && IsWindow(list) && SendMessageW(list, LVM_GETVIEW, 0, 0) == LV_VIEW_DETAILS;
}

}  // namespace

void AutoSizeColumns(HWND list, bool hide, int first) {
  if (!IsReportView(list)) return;
  if (hide) ShowWindow(list, SW_HIDE);
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  for (int c = first; c < columns; ++c) {
    const auto column = static_cast<WPARAM>(c);
    if (c < columns - 1) {
      SendMessageW(list, LVM_SETCOLUMNWIDTH, column, LVSCW_AUTOSIZE_USEHEADER);
      continue;
    }
    // The list view fills the rest of its width with the last column instead of fitting it to
    // its header: that column is fitted to the wider of its widest entry and its header text.
    wchar_t title[128] = {};
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = title;
    info.cchTextMax = static_cast<int>(std::size(title));
    SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
    const auto headerWidth =
        SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(title)) +
        ScaleToDpi(kHeaderPadding, DpiOf(list));
    SendMessageW(list, LVM_SETCOLUMNWIDTH, column, LVSCW_AUTOSIZE);
    if (SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0) < headerWidth)
      SendMessageW(list, LVM_SETCOLUMNWIDTH, column, headerWidth);
  }
  if (hide) ShowWindow(list, SW_SHOW);
}

std::int32_t ListHeightForRows(HWND list, std::int32_t rows) {
  if (!IsReportView(list) || SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) <= 0) return 0;
  RECT item{};
  item.left = LVIR_SELECTBOUNDS;
  const bool ok = SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)) != 0;
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
