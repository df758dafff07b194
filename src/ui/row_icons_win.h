// The icons of the chooser's rows. Until the chooser is shown every row has the generic icon of
// a list of one of its own; then the shell's list takes its place and the rows' icons are looked
// up one by one, one step a message, so that a click or key between two look-ups is answered at
// once.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "os/handles_win.h"

namespace tavrel {

class RowIcons {
 public:
  RowIcons();

  // Gives the list view the placeholder icons; the list must share its image lists
  // (LVS_SHAREIMAGELISTS), since it owns neither.
  void UsePlaceholder(HWND list);
  // The program (path, possibly empty) of the row added last.
  void Add(const std::string& program) { programs_.push_back(program); }
  // Forgets the rows and gives the list view the placeholder icons again.
  void Clear(HWND list);
  // Takes one step of loading: first the shell's list with the generic icon on every row, then
  // one row's own icon. False when there is nothing left to do.
  bool LoadNext(HWND list);

 private:
  ImageListHandle placeholder_;
  std::vector<std::string> programs_;  // by row position
  bool shellIcons_ = false;
  std::size_t next_ = 0;
};

}  // namespace tavrel
