// Programs' small icons from the shell's shared image list, the one the shell's own windows
// draw from. Making that list and reading a program's icon take time, so the chooser shows a
// generic icon of its own first and asks for these once it is on the screen.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace tavrel {

// The shell's small-icon image list. Shared by the whole process: never destroy it.
HIMAGELIST SystemSmallIcons();

// The index in that list of the system's icon for a program in general; -1 when the shell has
// no icons at all. Looked up once per process.
int GenericProgramIcon();

// The index in that list of the program's icon (a UTF-8 path). A program that is
// missing, or whose icon cannot be read, gets the generic program icon.
int ProgramIconIndex(const std::string& program);

}  // namespace tavrel
