// The server process's module: the class object's registration, the count of objects and locks
// that keeps the process alive, the idle exit, and the requests the objects serve. The process
// lives while objects or locks exist; the last release ends its message loop. A server that no
// client has used within a grace period ends too. One module lives in Serve (main_win.cpp).
#pragma once

#include <windows.h>

#include <unknwn.h>

#include "request/system_requests_win.h"

namespace tavrel {

class ServerModule {
 public:
  ServerModule() = default;
  ~ServerModule() { RevokeClassObject(); }
  ServerModule(const ServerModule&) = delete;
  ServerModule& operator=(const ServerModule&) = delete;

  // Registers the class object for clients of all processes.
  [[nodiscard]] HRESULT ServeClassObject(REFCLSID clsid, IClassFactory& factory);

  // Processes messages (and so the clients' calls) until the last object and lock are gone, or
  // until the grace period is over without a client ever having made an object or taken a lock.
  void RunUntilUnused(UINT idleGraceMilliseconds);

  // An object or lock made, and one let go.
  void AddRef();
  void Release();

  SystemRequests& Requests() { return requests_; }

 private:
  void RevokeClassObject();

  // Objects and locks all live on the server's one apartment thread: no lock is needed.
  DWORD classCookie_ = 0;
  ULONG liveCount_ = 0;
  bool everUsed_ = false;  // an object or a lock has been handed out
  SystemRequests requests_;
};

}  // namespace tavrel
