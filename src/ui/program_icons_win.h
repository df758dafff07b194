// Programs' small icons from the shell's shared image list, the one the shell's own windows
// draw from: its icons are loaded already or cached for the next look-up.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace tavrel {

// The shell's small-icon image list. Shared by the whole process: never destroy it.
HIMAGELIST SystemSmallIcons();

// The index in that list of the program's icon (path in the ANSI code page). A program that is
// missing, or whose icon cannot be read, gets the generic program icon; -1 only when the shell
// has no icons at all.
int ProgramIconIndex(const std::string& program);

}  // namespace tavrel
