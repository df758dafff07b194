#include "ui/screen_win.h"

namespace tavrel {
namespace {

double TwipsPerPixel(int axis) {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, axis) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return 1440.0 / (dpi > 0 ? dpi : 96);
}

}  // namespace

double TwipsPerPixelX() {
  return TwipsPerPixel(LOGPIXELSX);
}
double TwipsPerPixelY() {
  return TwipsPerPixel(LOGPIXELSY);
}

void GetScreenSize(std::int32_t& width, std::int32_t& height, bool inTwips) {
  width = GetSystemMetrics(SM_CXSCREEN);
  height = GetSystemMetrics(SM_CYSCREEN);
  if (inTwips) {
    width = RoundHalfEven(width * TwipsPerPixelX());
    height = RoundHalfEven(height * TwipsPerPixelY());
  }
}

TaskbarRect GetTaskbarRect() {
  RECT r{};
  if (HWND bar = FindWindowA("Shell_TrayWnd", ""); !bar || !GetWindowRect(bar, &r)) r = RECT{};
  const double tx = TwipsPerPixelX();
  const double ty = TwipsPerPixelY();
  return {RoundHalfEven(r.top * ty), RoundHalfEven(r.left * tx),
          RoundHalfEven((r.right - r.left) * tx), RoundHalfEven((r.bottom - r.top) * ty)};
}

void PlaceAtCursor(HWND window, double offsetH, double offsetV) {
  const double tx = TwipsPerPixelX();
  const double ty = TwipsPerPixelY();
  POINT pointer{};
  GetCursorPos(&pointer);
  ScreenToClient(window, &pointer);
  RECT frame{};
  GetWindowRect(window, &frame);

  PlacementRequest request;
  request.pointerX = frame.left * tx + pointer.x * tx;
  request.pointerY = frame.top * ty + pointer.y * ty;
  request.offsetH = offsetH;
  request.offsetV = offsetV;
  request.windowWidth = (frame.right - frame.left) * tx;
  request.windowHeight = (frame.bottom - frame.top) * ty;
  std::int32_t screenW = 0;
  std::int32_t screenH = 0;
  GetScreenSize(screenW, screenH, true);
  request.screenWidth = screenW;
  request.screenHeight = screenH;
  request.taskbar = GetTaskbarRect();

  const WindowPosition to = PlaceAtPointer(request);
  SetWindowPos(window, nullptr, RoundHalfEven(to.left / tx), RoundHalfEven(to.top / ty), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tavrel
