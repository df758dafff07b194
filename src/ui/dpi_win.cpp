#include "ui/dpi_win.h"

namespace tavrel {
namespace {

using DpiForWindowFn = UINT(WINAPI*)(HWND);
using ParametersForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

// Looked up once: the process may run on a system older than the per-monitor functions.
template <class Fn>
Fn User32Function(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

UINT SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

}  // namespace

UINT DpiOf(HWND window) {
  static const auto forWindow = User32Function<DpiForWindowFn>("GetDpiForWindow");
  const UINT dpi = forWindow && window ? forWindow(window) : 0;
  return dpi > 0 ? dpi : SystemDpi();
}

double TwipsPerPixel(HWND window) {
  return 1440.0 / DpiOf(window);
}

int ScaleToDpi(int pixels96, UINT dpi) {
  return MulDiv(pixels96, static_cast<int>(dpi), kBaseDpi);
}

LOGFONTW ItemFontForDpi(UINT dpi) {
  static const auto forDpi = User32Function<ParametersForDpiFn>("SystemParametersInfoForDpi");
  LOGFONTW font{};
  if (forDpi && forDpi(SPI_GETICONTITLELOGFONT, sizeof font, &font, 0, dpi)) return font;
  // Without the per-monitor call the system's font is for the system's density.
  if (SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof font, &font, 0)) {
    font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(SystemDpi()));
    return font;
  }
  font.lfHeight = -MulDiv(9, static_cast<int>(dpi), 72);
  lstrcpyW(font.lfFaceName, L"Tahoma");
  return font;
}

}  // namespace tavrel
