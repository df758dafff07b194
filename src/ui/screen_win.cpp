#include "ui/screen_win.h"

#include "ui/dpi_win.h"

namespace tavrel {
namespace {

TwipsRect ToTwips(const RECT& r, double twips) {
  return {r.left * twips, r.top * twips, r.right * twips, r.bottom * twips};
}

}  // namespace

POINT PointerPosition() {
  POINT pointer{};
  GetCursorPos(&pointer);
  return pointer;
}

MONITORINFO MonitorAt(POINT point) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &info)) {
    info.rcMonitor = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    info.rcWork = info.rcMonitor;
  }
  return info;
}

bool IsOnMonitorAt(HWND window, POINT point) {
  return MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST) ==
         MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST);
}

MonitorArea ToTwips(const MONITORINFO& monitor, HWND window) {
  const double twips = TwipsPerPixel(window);
  return {ToTwips(monitor.rcMonitor, twips), ToTwips(monitor.rcWork, twips)};
}

TaskbarRect GetTaskbarRect(HWND window) {
  RECT r{};
  // A hidden tray window reserves nothing (Wine keeps one when it shows no taskbar); an
  // auto-hidden taskbar is still a visible window, moved almost off the monitor.
  HWND bar = FindWindowW(L"Shell_TrayWnd", L"");
  if (!bar || !IsWindowVisible(bar) || !GetWindowRect(bar, &r)) r = RECT{};
  const double twips = TwipsPerPixel(window);
  return {RoundHalfEven(r.top * twips), RoundHalfEven(r.left * twips),
          RoundHalfEven((r.right - r.left) * twips), RoundHalfEven((r.bottom - r.top) * twips)};
}

void PlaceAtCursor(HWND window, POINT pointer, Size size, double offsetH, double offsetV) {
  const double twips = TwipsPerPixel(window);
  const POINT screen = pointer;
  // The pointer is given in the window's terms (its client position plus the window's left and
  // top), which neither a move nor a new size changes: it is read before either.
  ScreenToClient(window, &pointer);
  RECT frame{};
  GetWindowRect(window, &frame);

  PlacementRequest request;
  request.pointerX = frame.left * twips + pointer.x * twips;
  request.pointerY = frame.top * twips + pointer.y * twips;
  request.offsetH = offsetH;
  request.offsetV = offsetV;
  request.windowWidth = size.width * twips;
  request.windowHeight = size.height * twips;
  request.monitor = ToTwips(MonitorAt(screen), window);
  request.taskbar = GetTaskbarRect(window);

  const WindowPosition to = PositionAtCursor(request);
  SetWindowPos(window, nullptr, RoundHalfEven(to.left / twips), RoundHalfEven(to.top / twips),
               size.width, size.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tavrel
