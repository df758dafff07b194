// The owners of the system's handles, one alias per kind: every handle the program opens is held
// by one of these from the call that returns it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "base/unique.h"

namespace tavrel {

// Closes the handle and keeps the thread's last error: an owner that lets go between a failing
// call and the read of its error (leaving scope on the way out, or a reset) would otherwise
// replace that error with the close's.
template <auto Close, class T>
void CloseKeepingError(T handle) noexcept {
  const DWORD error = GetLastError();
  Close(handle);
  SetLastError(error);
}

// The value that owns nothing for the kinds that use -1 rather than null.
inline HANDLE InvalidHandle() noexcept {
  return INVALID_HANDLE_VALUE;
}

template <class T, auto Close, auto Invalid = &NullValue<T>>
using WinUnique = Unique<T, &CloseKeepingError<Close, T>, Invalid>;

using FileHandle = WinUnique<HANDLE, &CloseHandle, &InvalidHandle>;      // CreateFile's
using SearchHandle = WinUnique<HANDLE, &FindClose, &InvalidHandle>;      // FindFirstFile's
using SnapshotHandle = WinUnique<HANDLE, &CloseHandle, &InvalidHandle>;  // a Toolhelp snapshot
using KernelHandle = WinUnique<HANDLE, &CloseHandle>;  // processes, threads, events: null when none
using ModuleHandle = WinUnique<HMODULE, &FreeLibrary>;
using KeyHandle = WinUnique<HKEY, &RegCloseKey>;
using FontHandle = WinUnique<HFONT, &DeleteObject>;
using ImageListHandle = WinUnique<HIMAGELIST, &ImageList_Destroy>;
using IconHandle = WinUnique<HICON, &DestroyIcon>;  // made for the caller, not a shared one

}  // namespace tavrel
