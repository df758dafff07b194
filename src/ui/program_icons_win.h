// Programs' small icons, read from the program files themselves: a program's first icon, the one
// the shell shows for it. Reading them takes time, so the chooser shows a generic icon first and
// reads these once it is on the screen.
#pragma once

#include <windows.h>

#include <string>

#include "os/handles_win.h"

namespace tavrel {

// The shell's small icon for a program in general; null when the shell gives none.
IconHandle GenericProgramIcon();

// The small icon of the program (a UTF-8 path): its own first icon, or for a file that is not a
// program image (a batch file, a shortcut) the shell's icon for it; null when the program is
// missing, lies on the network, or has no icon of its own: such a program shows the generic icon.
IconHandle ProgramIcon(const std::string& program);

}  // namespace tavrel
