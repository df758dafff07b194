// The creatable automation class and its class factory.
#pragma once

#include <windows.h>

#include <unknwn.h>

namespace tavrel {

// Creates a new automation object and returns the asked-for interface of it.
[[nodiscard]] HRESULT CreateAutomationObject(REFIID riid, void** object);

// The class factory registered while the server runs (one static instance per process).
IClassFactory& ClassFactory();

}  // namespace tavrel
