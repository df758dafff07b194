#include <windows.h>

#include "os/messages_win.h"
#include "request/chooser_wait.h"
#include "ui/chooser_window.h"

namespace tavrel {

void WaitUntilChooserGone() {
  // The chooser's 100 ms timer wakes the wait while the window is up.
  while (ChooserIsLoaded()) {
    if (!PumpPendingMessages()) return;
    if (ChooserIsLoaded()) WaitMessage();
  }
}

}  // namespace tavrel
