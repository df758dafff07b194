// Fitting the chooser window to its rows, to the monitor under the pointer and to that monitor's
// density.
#include "ui/chooser_window_win.h"

#include "ui/chooser_layout.h"
#include "ui/dpi_win.h"
#include "ui/list_fitting_win.h"
#include "ui/placement.h"
#include "ui/screen_win.h"

namespace tavrel {
namespace {

// The narrowest the name column gets when the window would be wider than the monitor (at 96
// dpi): the icon and a few letters before the ellipsis.
constexpr int kMinNameWidth = 96;
// Room a cell keeps beside its text (at 96 dpi).
constexpr int kCellPadding = 12;

int ColumnWidth(HWND list, int column) {
  return static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

}  // namespace

bool ChooserPopup::FitToList() {
  if (Count() > 0) {
    // Onto the monitor under the pointer first, so that the window takes that monitor's density
    // before it is measured (a move costs a round trip to the display: one already there stays).
    if (!IsOnMonitorAt(frame_, pointer_)) {
      fitting_ = true;
      const RECT work = MonitorAt(pointer_).rcWork;
      SetWindowPos(frame_, nullptr, work.left, work.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      fitting_ = false;
    }
    FollowDpi();
  }
  const std::optional<Size> list = FitList();
  if (!list) return false;
  // Sized and placed at once: the frame holds the list exactly, and the pointer lies at the
  // middle of its inner area.
  const double twips = TwipsPerPixel(frame_);
  PlaceAtCursor(frame_, pointer_, FrameFor(*list), list->width * twips / 2,
                list->height * twips / 2);
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);  // fitted: drawn from now on
  return true;
}

Size ChooserPopup::FrameFor(Size inner) const {
  RECT frame{};
  RECT client{};
  GetWindowRect(frame_, &frame);
  GetClientRect(frame_, &client);
  return {frame.right - frame.left - client.right + inner.width,
          frame.bottom - frame.top - client.bottom + inner.height};
}

std::optional<Size> ChooserPopup::FitList() {
  const std::int32_t height = ListHeightForRows(list_, Count());
  if (height < 1) return std::nullopt;
  // While the columns are fitted the list is as wide as the screen, as it is made: a scroll bar
  // that appeared for a moment could otherwise stay for good, each bar keeping the other needed.
  RECT listRect{};
  GetWindowRect(list_, &listRect);
  const int wide = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  if (listRect.right - listRect.left < wide || listRect.bottom - listRect.top < height)
    SetWindowPos(list_, nullptr, 0, 0, wide, height, SWP_NOMOVE | SWP_NOZORDER);
  if (detailsShortened_) SetDetails(0);  // fitted afresh from the whole texts
  AutoSizeColumns(list_, false, 0);
  HWND header = reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0));
  const int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  if (columns >= 2) NarrowColumns(columns);
  int width = 1;
  for (int c = 0; c < columns; ++c)
    width += ColumnWidth(list_, c) + 2;
  // A name wider than the screen gave the list scroll bars while it was fitted, and the two bars
  // would keep each other: the list drops them at a size with room to spare, then takes its own.
  if (GetWindowLongPtrW(list_, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL))
    SetWindowPos(list_, nullptr, 0, 0, width + 2 * GetSystemMetrics(SM_CXVSCROLL),
                 height + 2 * GetSystemMetrics(SM_CYHSCROLL), SWP_NOMOVE | SWP_NOZORDER);
  SetWindowPos(list_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
  return Size{width, height};
}

// Never wider than the monitor's work area less the margins placement keeps: a long name gives
// way (the list ends it with an ellipsis), the version and its mark stay whole.
void ChooserPopup::NarrowColumns(int columns) {
  const RECT work = MonitorAt(pointer_).rcWork;
  const UINT dpi = DpiOf(frame_);
  const int margins = 2 * RoundHalfEven(kPlacementMargin / TwipsPerPixel(frame_));
  const int borders = FrameFor({}).width;
  const ColumnWidths wanted{ColumnWidth(list_, 0), ColumnWidth(list_, 1)};
  const ColumnWidths fitted =
      FitColumns(wanted, RoomForColumns(work.right - work.left, margins, borders, columns),
                 ScaleToDpi(kMinNameWidth, dpi));
  if (fitted.name != wanted.name) SendMessageW(list_, LVM_SETCOLUMNWIDTH, 0, fitted.name);
  if (fitted.version != wanted.version) {
    SendMessageW(list_, LVM_SETCOLUMNWIDTH, 1, fitted.version);
    SetDetails(fitted.version - ScaleToDpi(kCellPadding, dpi));
  }
}

// The second column's texts: whole when width is 0, else each cut to width pixels.
void ChooserPopup::SetDetails(int width) {
  const std::wstring mark(kDefaultMarker.begin(), kDefaultMarker.end());
  const auto widthOf = [&](const std::wstring& text) {
    return static_cast<int>(
        SendMessageW(list_, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
  };
  for (std::size_t row = 0; row < details_.size(); ++row)
    SetCellText(list_, static_cast<int>(row), 1,
                ShortenDetail(details_[row], mark, width, widthOf));
  detailsShortened_ = width > 0;
}

void ChooserPopup::FollowDpi() {
  const UINT dpi = DpiOf(frame_);
  if (font_ && dpi == fontDpi_) return;
  const LOGFONTW description = ItemFontForDpi(dpi);
  FontHandle font(CreateFontIndirectW(&description));
  if (!font) return;
  SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  font_ = std::move(font);  // the list has let go of the old one
  fontDpi_ = dpi;
}

void ChooserPopup::OnDpiChanged(const RECT& suggested) {
  SetWindowPos(frame_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  FollowDpi();
  if (fitting_ || Count() == 0) return;
  if (const std::optional<Size> list = FitList()) {
    const Size frame = FrameFor(*list);
    SetWindowPos(frame_, nullptr, 0, 0, frame.width, frame.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace tavrel
