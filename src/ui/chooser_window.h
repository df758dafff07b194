// The chooser: the one window the user sees, a list of candidate programs beside the pointer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ui/candidate.h"

namespace tavrel {

class ChooserWindow : public CandidateList {
 public:
  // Whether the window is still there: it unloads itself on a pick, when it is closed, and when
  // the user goes elsewhere.
  virtual bool Loaded() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // Sizes the window to its rows and columns and centres it on the pointer. False when the
  // list's height could not be computed; the window is then left as it was.
  [[nodiscard]] virtual bool FitToList() = 0;
  // Forgets any earlier pick and shows the window without making it modal; it then lives on its
  // own events until it unloads.
  virtual void Show() = 0;
  // Runs this thread's messages until the window has unloaded. Returns the 1-based position of
  // the row the user picked; -1 when it went without a pick, or when a quit message ended the
  // wait first (the window is then closed). Raises the failure of a message handler, which
  // closed the window.
  virtual std::int32_t WaitForPick() = 0;
};

// Answers whether high contrast is on; the chooser asks each time it takes on the colours.
using HighContrastQuery = bool (*)();

// A new chooser window, hidden and without rows; destroying it destroys the window. highContrast
// stands in for the system's answer (nullptr: the system's own), so that a test can switch high
// contrast on where the system cannot, as under Wine.
std::unique_ptr<ChooserWindow> CreateChooserWindow(HighContrastQuery highContrast = nullptr);

}  // namespace tavrel
