// The owners of the system's handles, one alias per kind: every handle the program opens is held
// by one of these from the call that returns it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "base/unique.h"

namespace tavrel {

// The value that owns nothing for the file kinds, which use -1 rather than null.
inline HANDLE InvalidHandle() noexcept {
  return INVALID_HANDLE_VALUE;
}

using FileHandle = Unique<HANDLE, &CloseHandle, &InvalidHandle>;  // CreateFile's
using SearchHandle = Unique<HANDLE, &FindClose, &InvalidHandle>;  // FindFirstFile's
using KernelHandle = Unique<HANDLE, &CloseHandle>;  // processes, threads, events: null when none
using ModuleHandle = Unique<HMODULE, &FreeLibrary>;
using KeyHandle = Unique<HKEY, &RegCloseKey>;
using FontHandle = Unique<HFONT, &DeleteObject>;
using ImageListHandle = Unique<HIMAGELIST, &ImageList_Destroy>;

}  // namespace tavrel
