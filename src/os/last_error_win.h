// The calling thread's last system error as an HRESULT.
#pragma once

#include <windows.h>

namespace tavrel {

// The HRESULT for the last error; E_FAIL when the system left none, so that a call that failed
// is never reported as a success.
inline HRESULT HresultFromLastError() {
  const DWORD error = GetLastError();
  return error == ERROR_SUCCESS ? E_FAIL : HRESULT_FROM_WIN32(error);
}

}  // namespace tavrel
