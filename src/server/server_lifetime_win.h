// The server process lives while objects or locks exist; the last release ends its message loop.
// A server that no client has used within a grace period ends too.
#pragma once

#include <windows.h>

#include <unknwn.h>

namespace tavrel {

// Registers the class object for clients of all processes.
[[nodiscard]] HRESULT ServeClassObject(REFCLSID clsid, IClassFactory& factory);

// Processes messages (and so the clients' calls) until the last object and lock are gone, or
// until the grace period is over without a client ever having made an object or taken a lock.
void RunUntilUnused(UINT idleGraceMilliseconds);

void AddRefServer();
void ReleaseServer();

}  // namespace tavrel
