// The server process lives while objects or locks exist; the last release ends its message loop.
#pragma once

#include <windows.h>

#include <unknwn.h>

namespace tavrel {

// Registers the class object for clients of all processes.
HRESULT ServeClassObject(REFCLSID clsid, IClassFactory& factory);

// Processes messages (and so the clients' calls) until the last object and lock are gone.
void RunUntilUnused();

void AddRefServer();
void ReleaseServer();

}  // namespace tavrel
