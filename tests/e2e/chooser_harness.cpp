// Shows the chooser with a given number of rows, prints where each row lies on the screen and
// how the window came out, and, once the window has gone, prints the pick. Lets the end-to-end
// tests click and type for real. The first row's program is notepad, the others' one that is
// missing.
// With --high-contrast, once the chooser is shown, high contrast is switched on for it and the
// system colours are set to a high-contrast scheme until the harness ends (Wine never turns high
// contrast on by itself).
// Usage: chooser_harness [--high-contrast] ROWS [NAME_LENGTH]
// Output: ROW <n> <x> <y> per row, then AWARENESS (2: per monitor), DPI, ROWHEIGHT, WINDOW <left
//         top right bottom>, WORK <the monitor's work area>, VISIBLE <rows shown whole>, CLIPPED
//         <cells whose text does not fit>, SHOWN; and PICK=<n> when the window has gone.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>

#include "../support/chooser_view.h"
#include "ui/chooser_window.h"

namespace {

// The process's DPI awareness as its manifest set it: 0 unaware, 1 system, 2 per monitor; -1
// before Windows 10.
int Awareness() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  using ContextFn = HANDLE(WINAPI*)();
  using AwarenessFn = int(WINAPI*)(HANDLE);
  const auto context = reinterpret_cast<ContextFn>(
      reinterpret_cast<void*>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
  const auto awareness = reinterpret_cast<AwarenessFn>(
      reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
  return context && awareness ? awareness(context()) : -1;
}

// What the chooser is told about high contrast: Wine never turns it on itself.
bool highContrastOn = false;

// High contrast on, with Windows' High Contrast Black scheme for the colours the chooser draws
// with, while it lives.
struct HighContrast {
  static constexpr int kElements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT,
                                      COLOR_HIGHLIGHTTEXT, COLOR_HOTLIGHT};
  static constexpr COLORREF kBlack[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(26, 235, 255),
                                        RGB(0, 0, 0), RGB(255, 255, 0)};
  COLORREF saved[std::size(kElements)];
  HighContrast() {
    for (std::size_t i = 0; i < std::size(kElements); ++i)
      saved[i] = GetSysColor(kElements[i]);
    highContrastOn = true;
    SetSysColors(static_cast<int>(std::size(kElements)), kElements, kBlack);
  }
  ~HighContrast() {
    highContrastOn = false;
    SetSysColors(static_cast<int>(std::size(kElements)), kElements, saved);
  }
};

}  // namespace

using namespace tavrel::testing;

int main(int argc, char** argv) {
  const bool highContrast = argc > 1 && std::string(argv[1]) == "--high-contrast";
  if (highContrast) {
    --argc;
    ++argv;
  }
  const int rows = argc > 1 ? std::atoi(argv[1]) : 3;
  const int nameLength = argc > 2 ? std::atoi(argv[2]) : 0;
  const auto chooser = tavrel::CreateChooserWindow([] { return highContrastOn; });
  chooser->SetCaption("  [.txt] - Tavrel Ferrule Choices ");
  chooser->Clear();
  for (int i = 0; i < rows; ++i) {
    const std::string n = std::to_string(i);
    chooser->Add({.rowId = i,
                  .key = "k" + n,
                  .text = "Program " + std::to_string(i + 1) +
                          std::string(static_cast<std::size_t>(nameLength), 'W'),
                  .detail = "1.0." + n,
                  .colour = i == 0 ? tavrel::kColourBlue : tavrel::kColourBlack,
                  .program = i == 0 ? "C:\\windows\\notepad.exe" : "C:\\missing\\program.exe"});
  }
  if (!chooser->FitToList()) return 2;
  chooser->Show();
  std::optional<HighContrast> contrast;
  if (highContrast) contrast.emplace();
  HWND frame = ChooserFrame();
  HWND list = ListOf(frame);
  RECT client{};
  GetClientRect(list, &client);
  int visible = 0;
  int clipped = 0;
  long rowHeight = 0;
  for (int i = 0; i < rows; ++i) {
    RECT r{};
    r.left = LVIR_BOUNDS;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    rowHeight = r.bottom - r.top;
    if (r.top >= 0 && r.bottom <= client.bottom && r.right <= client.right) ++visible;
    clipped += CellIsCut(list, i, 0) + CellIsCut(list, i, 1);
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(list, &centre);
    std::printf("ROW %d %ld %ld\n", i + 1, centre.x, centre.y);
  }
  RECT window{};
  GetWindowRect(frame, &window);
  const RECT work = WorkAreaOf(frame);
  HDC screen = GetDC(nullptr);
  std::printf(
      "AWARENESS %d\nDPI %d\nROWHEIGHT %ld\nWINDOW %ld %ld %ld %ld\nWORK %ld %ld %ld %ld\n"
      "VISIBLE %d\nCLIPPED %d\nSHOWN\n",
      Awareness(), GetDeviceCaps(screen, LOGPIXELSY), rowHeight, window.left, window.top,
      window.right, window.bottom, work.left, work.top, work.right, work.bottom, visible, clipped);
  ReleaseDC(nullptr, screen);
  std::fflush(stdout);
  std::printf("PICK=%d\n", chooser->WaitForPick());
  std::fflush(stdout);
  return 0;
}
