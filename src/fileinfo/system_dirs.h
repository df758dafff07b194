// Reads the Windows and System directories from the system into WindowsDir and SystemDir; the
// request driver calls both at the start of every request.
#pragma once

namespace tavrel {

// Each stores the directory as the system reports it, or an empty text when the call fails.
void ReadWindowsDir();
void ReadSystemDir();

}  // namespace tavrel
