// Reading the Windows and System directories into WindowsDir and SystemDir.
#pragma once

namespace tavrel {

void ReadWindowsDir();
void ReadSystemDir();

}  // namespace tavrel
