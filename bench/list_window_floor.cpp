// The floor of the time to visible: the least a process does to put the chooser's list on the
// screen. A top-level window of the chooser's styles, size and place, a report-view list of its
// rows and column widths, every row with the generic icon, shown and painted.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "bench_round.h"
#include "os/handles_win.h"

namespace tavrel::bench {
namespace {

struct Layout {
  int x = 0, y = 0, width = 0, height = 0, listWidth = 0, listHeight = 0;
  int columns[2] = {};
  std::vector<std::pair<std::wstring, std::wstring>> rows;
};

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          static_cast<int>(wide.size()))));
  return wide;
}

// The chooser's frame and row lines, as its round reported them.
bool ReadLayout(Layout& layout) {
  std::string text(32767, '\0');
  text.resize(GetEnvironmentVariableA(kLayoutVariable, text.data(), 32767));
  std::istringstream lines(text);
  std::string line;
  bool framed = false;
  while (std::getline(lines, line)) {
    if (line.rfind("frame ", 0) == 0) {
      framed = std::sscanf(line.c_str(), "frame %d %d %d %d %d %d %d %d", &layout.x, &layout.y,
                           &layout.width, &layout.height, &layout.listWidth, &layout.listHeight,
                           &layout.columns[0], &layout.columns[1]) == 8;
    } else if (line.rfind("row ", 0) == 0) {
      const std::size_t tab = line.find('\t');
      if (tab == std::string::npos) return false;
      layout.rows.emplace_back(Wide(line.substr(4, tab - 4)), Wide(line.substr(tab + 1)));
    }
  }
  return framed && !layout.rows.empty();
}

}  // namespace

int FloorRound(std::int64_t entered) {
  Layout layout;
  if (!ReadLayout(layout)) {
    std::printf("failed no layout in %s\n", kLayoutVariable);
    return 1;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"BenchFloor";
  RegisterClassExW(&wc);
  const HWND frame =
      CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, wc.lpszClassName, L"Floor",
                      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, layout.x, layout.y,
                      layout.width, layout.height, nullptr, nullptr, wc.hInstance, nullptr);
  const HWND list = CreateWindowExW(
      WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER,
      0, 0, layout.listWidth, layout.listHeight, frame, nullptr, wc.hInstance, nullptr);
  if (!frame || !list) {
    std::printf("failed the window could not be created (system error %lu)\n", GetLastError());
    return 1;
  }
  const ImageListHandle icons(ImageList_Create(
      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), ILC_COLOR32 | ILC_MASK, 1, 0));
  ImageList_AddIcon(icons.get(), LoadIconA(nullptr, IDI_APPLICATION));
  SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons.get()));
  for (int c = 0; c < 2; ++c) {
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_SUBITEM;
    column.cx = layout.columns[c];
    column.iSubItem = c;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c),
                 reinterpret_cast<LPARAM>(&column));
  }
  for (std::size_t r = 0; r < layout.rows.size(); ++r) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = static_cast<int>(r);
    item.pszText = layout.rows[r].first.data();
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    LVITEMW sub{};
    sub.iSubItem = 1;
    sub.pszText = layout.rows[r].second.data();
    SendMessageW(list, LVM_SETITEMTEXTW, r, reinterpret_cast<LPARAM>(&sub));
  }
  ShowWindow(frame, SW_SHOWNORMAL);
  RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  GdiFlush();
  std::printf("times %.3f\n", MillisecondsBetween(entered, Ticks()));
  DestroyWindow(frame);
  return 0;
}

}  // namespace tavrel::bench
