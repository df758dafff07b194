#include <windows.h>

#include "server/chooser_wait.h"
#include "ui/chooser_window.h"

namespace tavrel {

void WaitUntilChooserGone() {
  while (ChooserIsLoaded()) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (ChooserIsLoaded()) WaitMessage();
  }
}

}  // namespace tavrel
