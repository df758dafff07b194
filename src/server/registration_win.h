// Registration of the automation class and its type library, machine-wide or for one user.
#pragma once

#include <windows.h>

namespace tavrel {

enum class RegistrationScope { Machine, User };

[[nodiscard]] HRESULT RegisterServer(RegistrationScope scope);
[[nodiscard]] HRESULT UnregisterServer(RegistrationScope scope);

}  // namespace tavrel
