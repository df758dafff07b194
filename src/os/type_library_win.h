// The type library embedded in the running executable's resources.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>

namespace tavrel {

// Loads the running executable's own type library without registering it. The executable's full
// path is given back in path when asked for (the wide form, so that any folder name works).
[[nodiscard]] HRESULT LoadOwnTypeLibrary(ITypeLib** library, std::wstring* path = nullptr);

}  // namespace tavrel
