#include "server/server_lifetime_win.h"

#include <objbase.h>

namespace tavrel {

void ServerModule::RevokeClassObject() {
  if (classCookie_ != 0) CoRevokeClassObject(classCookie_);
  classCookie_ = 0;
}

HRESULT ServerModule::ServeClassObject(REFCLSID clsid, IClassFactory& factory) {
  return CoRegisterClassObject(clsid, &factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                               &classCookie_);
}

void ServerModule::RunUntilUnused(UINT idleGraceMilliseconds) {
  const UINT_PTR idleTimer = SetTimer(nullptr, 0, idleGraceMilliseconds, nullptr);
  MSG msg;
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) break;
    // A quit posted when the count fell to zero is stale once a client has made a new object.
    if (got == 0) {
      if (liveCount_ == 0) break;
      continue;
    }
    if (msg.hwnd == nullptr && msg.message == WM_TIMER && msg.wParam == idleTimer) {
      KillTimer(nullptr, idleTimer);
      // Started for an activation that went to another server, or whose client went away: leave.
      // The class object goes first, so no new activation is routed here; calls already queued
      // are still served before the quit, and one that makes an object keeps the server.
      if (!everUsed_) {
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

void ServerModule::AddRef() {
  everUsed_ = true;
  liveCount_ = CoAddRefServerProcess();
}

void ServerModule::Release() {
  liveCount_ = CoReleaseServerProcess();
  if (liveCount_ != 0) return;
  // The class object is taken back at once, not when the process ends: a client that starts now
  // is then given a new server instead of this departing one (the system does not suspend the
  // class object by itself everywhere).
  RevokeClassObject();
  PostQuitMessage(0);
}

}  // namespace tavrel
