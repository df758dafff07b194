#include "server/server_lifetime_win.h"

#include <objbase.h>

namespace tavrel {
namespace {

// Objects and locks all live on the server's one apartment thread: no lock is needed.
DWORD classCookie = 0;
ULONG liveCount = 0;
bool everUsed = false;  // an object or a lock has been handed out

void RevokeClassObject() {
  if (classCookie != 0) CoRevokeClassObject(classCookie);
  classCookie = 0;
}

}  // namespace

HRESULT ServeClassObject(REFCLSID clsid, IClassFactory& factory) {
  return CoRegisterClassObject(clsid, &factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                               &classCookie);
}

void RunUntilUnused(UINT idleGraceMilliseconds) {
  const UINT_PTR idleTimer = SetTimer(nullptr, 0, idleGraceMilliseconds, nullptr);
  MSG msg;
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) break;
    // A quit posted when the count fell to zero is stale once a client has made a new object.
    if (got == 0) {
      if (liveCount == 0) break;
      continue;
    }
    if (msg.hwnd == nullptr && msg.message == WM_TIMER && msg.wParam == idleTimer) {
      KillTimer(nullptr, idleTimer);
      // Started for an activation that went to another server, or whose client went away: leave.
      // The class object goes first, so no new activation is routed here; calls already queued
      // are still served before the quit, and one that makes an object keeps the server.
      if (!everUsed) {
        RevokeClassObject();
        PostQuitMessage(0);
      }
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  RevokeClassObject();
}

void AddRefServer() {
  everUsed = true;
  liveCount = CoAddRefServerProcess();
}

void ReleaseServer() {
  liveCount = CoReleaseServerProcess();
  if (liveCount != 0) return;
  // The class object is taken back at once, not when the process ends: a client that starts now
  // is then given a new server instead of this departing one (the system does not suspend the
  // class object by itself everywhere).
  RevokeClassObject();
  PostQuitMessage(0);
}

}  // namespace tavrel
