// The icons of the chooser's rows, in an image list of the chooser's own. Every row starts with
// the shell's generic program icon; once the chooser is shown the rows' own icons are read one by
// one, one step a message, so that a click or key between two reads is answered at once.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "os/handles_win.h"

namespace tavrel {

class RowIcons {
 public:
  RowIcons();

  // Gives the list view the icons; the list must share its image lists (LVS_SHAREIMAGELISTS),
  // since it owns none. Every row starts with the generic icon, the first one.
  void ShowIn(HWND list);
  // The program (path, possibly empty) of the row added last.
  void Add(const std::string& program) { programs_.push_back(program); }
  // Forgets the rows and their programs' icons; the generic icon stays.
  void Clear();
  // Takes one step of loading: reads one program's icon. False when there is nothing left to
  // read.
  bool LoadNext(HWND list);

 private:
  ImageListHandle images_;  // the generic icon, then the programs' in the order they were read
  std::vector<std::string> programs_;             // by row position
  std::unordered_map<std::string, int> imageOf_;  // by program, each read once
  std::size_t next_ = 0;
};

}  // namespace tavrel
