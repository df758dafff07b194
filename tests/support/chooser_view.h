// The chooser window read from inside its own process, for the Windows tests and the end-to-end
// harness: its frame and list, a cell's text and whether the cell cuts it, and this thread's
// messages run while the chooser is up.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace tavrel::testing {

inline HWND ChooserFrame() {
  return FindWindowA("frmList", nullptr);
}

inline HWND ListOf(HWND frame) {
  return FindWindowExA(frame, nullptr, WC_LISTVIEWA, nullptr);
}

inline std::string CellText(HWND list, int item, int subItem) {
  char text[4096] = {};
  LVITEMA query{};
  query.iSubItem = subItem;
  query.pszText = text;
  query.cchTextMax = sizeof text;
  SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&query));
  return text;
}

// Whether a cell's text needs more width than the cell gives it (the label after the icon, or the
// whole sub-item).
inline bool CellIsCut(HWND list, int item, int subItem) {
  RECT r{LVIR_LABEL, subItem, 0, 0};
  SendMessageA(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r));
  const std::string text = CellText(list, item, subItem);
  return r.right - r.left <
         SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

inline RECT WorkAreaOf(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

// Runs this thread's messages for at most maxMilliseconds; with untilUnloaded, it stops as soon
// as no chooser window is left.
inline void PumpMessages(DWORD maxMilliseconds, bool untilUnloaded = true) {
  const DWORD start = GetTickCount();
  while ((!untilUnloaded || ChooserFrame()) && GetTickCount() - start < maxMilliseconds) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

}  // namespace tavrel::testing
