// Shows the chooser with a given number of rows, prints where each row lies on the screen, and,
// once the window has gone, prints the pick. Lets the end-to-end tests click and type for real.
// Usage: chooser_harness ROWS
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/chooser_window.h"

int main(int argc, char** argv) {
  const int rows = argc > 1 ? std::atoi(argv[1]) : 3;
  tavrel::ChooserWindow& chooser = tavrel::Chooser();
  chooser.SetCaption("  [.txt] - Tavrel Ferrule Choices ");
  chooser.Clear();
  for (int i = 0; i < rows; ++i) {
    tavrel::Candidate row;
    row.rowId = i;
    row.key = "k" + std::to_string(i);
    row.text = "Program " + std::to_string(i + 1);
    row.detail = "1.0." + std::to_string(i);
    row.colour = i == 0 ? tavrel::kColourBlue : tavrel::kColourBlack;
    chooser.Add(row);
  }
  SetCursorPos(300, 300);
  if (!chooser.FitToList()) return 2;
  tavrel::ChosenIndex() = -1;
  chooser.Show();
  HWND frame = FindWindowA("frmList", nullptr);
  HWND list = FindWindowExA(frame, nullptr, WC_LISTVIEWA, nullptr);
  for (int i = 0; i < rows; ++i) {
    RECT r{};
    r.left = LVIR_BOUNDS;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(list, &centre);
    std::printf("ROW %d %ld %ld\n", i + 1, centre.x, centre.y);
  }
  std::printf("SHOWN\n");
  std::fflush(stdout);
  while (tavrel::ChooserIsLoaded()) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (tavrel::ChooserIsLoaded()) WaitMessage();
  }
  std::printf("PICK=%d\n", tavrel::ChosenIndex());
  std::fflush(stdout);
  return 0;
}
