#include "server/server_lifetime_win.h"

#include <objbase.h>

namespace tavrel {

void AddRefServer() {
  CoAddRefServerProcess();
}

void ReleaseServer() {
  // Objects and locks live on the server's one apartment thread, so the quit message reaches the
  // loop that serves them.
  if (CoReleaseServerProcess() == 0) PostQuitMessage(0);
}

}  // namespace tavrel
