// Registration of the automation class and its type library, machine-wide or for one user.
#pragma once

#include <windows.h>

namespace tavrel {

enum class RegistrationScope { Machine, User };

HRESULT RegisterServer(RegistrationScope scope);
HRESULT UnregisterServer(RegistrationScope scope);

}  // namespace tavrel
