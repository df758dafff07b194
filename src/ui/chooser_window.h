// The chooser: the one window the user sees, a list of candidate programs beside the pointer.
#pragma once

#include <cstdint>
#include <string>

#include "ui/candidate.h"

namespace tavrel {

class ChooserWindow : public CandidateList {
 public:
  virtual void SetCaption(const std::string& caption) = 0;
  // Sizes the window to its rows and columns and centres it on the pointer. False when the
  // list's height could not be computed; the window is then left as it was.
  virtual bool FitToList() = 0;
  // Shows the window without making it modal; it then lives on its own events until it unloads.
  virtual void Show() = 0;
};

// The one chooser of the process, created and loaded (hidden) on first use.
ChooserWindow& Chooser();

// Whether the chooser is loaded. Frees an instance that has unloaded itself.
bool ChooserIsLoaded();

// The 1-based position of the row the user picked; the driver sets -1 before showing the window.
std::int32_t& ChosenIndex();

}  // namespace tavrel
