// The chooser window on Windows: a captioned popup holding a report-view list view and a 100 ms
// timer that watches who owns the foreground. Its lifetime, rows, messages and pick live in
// chooser_window_win.cpp; fitting it to its rows and its monitor's density in
// chooser_sizing_win.cpp.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "base/failure.h"
#include "os/handles_win.h"
#include "ui/chooser_layout.h"
#include "ui/chooser_window.h"
#include "ui/colour_theme_win.h"
#include "ui/foreground_watch.h"
#include "ui/row_icons_win.h"

namespace tavrel {

class ChooserPopup final : public ChooserWindow {
 public:
  explicit ChooserPopup(HighContrastQuery highContrast);
  ~ChooserPopup() override {
    if (frame_) DestroyWindow(frame_);
  }
  ChooserPopup(const ChooserPopup&) = delete;
  ChooserPopup& operator=(const ChooserPopup&) = delete;

  bool Loaded() const override { return frame_ != nullptr; }
  void SetCaption(const std::string& caption) override;
  void Clear() override;
  void Add(const Candidate& row) override;
  std::int32_t Count() const override {
    return static_cast<std::int32_t>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
  }
  bool FitToList() override;
  void Show() override;
  std::int32_t WaitForPick() override;

 private:
  static LRESULT CALLBACK FrameProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK ListProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT OnFrameMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // Keeps the failure of a message handler, which must not unwind through the system's code,
  // and closes the window; WaitForPick raises it.
  void KeepFailure() noexcept;
  static void RegisterClassOnce();
  void CreateList();
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw);
  void FollowTheme();
  void OnFirstActivation();
  void OnTimer();
  // One step of the icons' loading, and the next one asked for.
  void LoadIconStep();
  void AcceptSelection();
  void Unload() { DestroyWindow(frame_); }

  // Sizing (chooser_sizing_win.cpp).
  void FollowDpi();
  // Fits the columns to the rows and the list to its columns; returns the list's new size.
  std::optional<Size> FitList();
  // The frame's outer size for an inner area of that size.
  Size FrameFor(Size inner) const;
  void NarrowColumns(int columns);
  void SetDetails(int width);
  void OnDpiChanged(const RECT& suggested);

  HighContrastQuery highContrast_;
  HWND frame_ = nullptr;
  HWND list_ = nullptr;
  std::vector<std::uint32_t> colours_;  // indexed by row tag
  ThemeColours theme_;
  ListColours listOwnColours_;         // as the list was made, for the light theme
  std::vector<std::wstring> details_;  // by row position: the second column's whole texts
  bool detailsShortened_ = false;
  RowIcons icons_;
  FontHandle font_;  // the list's font, made for fontDpi_
  UINT fontDpi_ = 0;
  bool fitting_ = false;  // FitToList runs: it sizes the window for a new density itself
  // Where the pointer was when this set of rows began (the window made or cleared), before any
  // of the window's changes: fitting and placing go by it. Wine answers a position it held from
  // earlier for a moment after a window changes, and the rows change the list's scroll bars.
  POINT pointer_{};
  std::int32_t chosenIndex_ = -1;
  std::optional<Failure> failure_;  // of a message handler, raised by WaitForPick

  std::optional<ForegroundWatch> watch_;  // from the first activation on
  HWND startForeground_ = nullptr;
  bool busy_ = false;
};

// Sets a cell's text (column 0 is the row's label).
void SetCellText(HWND list, int row, int column, std::wstring text);

}  // namespace tavrel
