// The chooser window: a captioned popup holding a report-view list view and a 100 ms timer that
// watches who owns the foreground.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <vector>

#include "base/failure.h"
#include "base/unique.h"
#include "errors/reporting.h"
#include "os/ansi_win.h"
#include "os/messages_win.h"
#include "ui/chooser_window.h"
#include "ui/column_widths.h"
#include "ui/dpi_win.h"
#include "ui/list_fitting_win.h"
#include "ui/placement.h"
#include "ui/program_icons_win.h"
#include "ui/screen_win.h"

namespace tavrel {
namespace {

constexpr char kClassName[] = "frmList";
constexpr char kDesignCaption[] = "Ferrule Choices";
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerInterval = 100;
constexpr UINT_PTR kListSubclassId = 1;
constexpr int kDesignWidth = 160;  // client size at design time, pixels
constexpr int kDesignHeight = 120;
// The narrowest the name column gets when the window would be wider than the monitor (at 96
// dpi): the icon and a few letters before the ellipsis.
constexpr int kMinNameWidth = 96;
// Room a cell keeps beside its text (at 96 dpi).
constexpr int kCellPadding = 12;

// Asks the window to look up its programs' icons, one step a message, once it is shown.
constexpr UINT kLoadIconsMessage = WM_APP + 1;

using FontHandle = Unique<HFONT, &DeleteObject>;
using ImageListHandle = Unique<HIMAGELIST, &ImageList_Destroy>;

std::int32_t chosenIndex = -1;

class Window final : public ChooserWindow {
 public:
  Window();
  ~Window() override {
    if (frame_) DestroyWindow(frame_);
  }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  bool Loaded() const { return frame_ != nullptr; }

  void SetCaption(const std::string& caption) override {
    SetWindowTextW(frame_, Utf8ToWide(caption).c_str());
  }
  void Clear() override;
  void Add(const Candidate& row) override;
  std::int32_t Count() const override {
    return static_cast<std::int32_t>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
  }
  bool FitToList() override;
  void Show() override;

  static LRESULT CALLBACK FrameProc(HWND, UINT, WPARAM, LPARAM);

 private:
  static LRESULT CALLBACK ListProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw);
  void FollowDpi();
  bool FitSize();
  void OnDpiChanged(const RECT& suggested);
  void LoadNextIcon();
  void SetRowImage(int row, int image);
  void SetDetails(int width);
  void OnFirstActivation();
  void OnTimer();
  void AcceptSelection();
  void Unload() { DestroyWindow(frame_); }

  HWND frame_ = nullptr;
  HWND list_ = nullptr;
  std::vector<std::uint32_t> colours_;  // indexed by row tag
  // Until the chooser is shown every row has the generic icon of this list of one; then the
  // shell's list takes its place and the rows' icons are looked up one by one.
  ImageListHandle placeholderIcons_;
  std::vector<std::string> programs_;  // by row position
  std::vector<std::wstring> details_;  // by row position: the second column's whole texts
  bool detailsShortened_ = false;
  bool shellIcons_ = false;
  std::size_t nextIcon_ = 0;
  FontHandle font_;  // the list's font, made for fontDpi_
  UINT fontDpi_ = 0;
  bool fitting_ = false;  // FitToList runs: it sizes the window for a new density itself

  HWND startForeground_ = nullptr;
  std::int32_t lockTimeout_ = 0;
  std::int32_t tickLimit_ = 0;
  bool activated_ = false;
  bool busy_ = false;
  bool wasForeground_ = false;
  std::int32_t ticks_ = 0;
};

std::unique_ptr<Window> instance;

HINSTANCE Module() {
  return GetModuleHandleA(nullptr);
}

void RegisterClassOnce() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &Window::FrameProc;
    wc.hInstance = Module();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassExA(&wc) != 0;
  }();
  if (!registered) Raise(errnum::kInvalidCall, {}, static_cast<std::int32_t>(GetLastError()));
}

Window::Window() {
  RegisterClassOnce();
  constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  constexpr DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  RECT bounds{0, 0, kDesignWidth, kDesignHeight};
  AdjustWindowRectEx(&bounds, style, FALSE, exStyle);
  frame_ = CreateWindowExA(exStyle, kClassName, kDesignCaption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                           bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr,
                           Module(), this);
  if (!frame_) Raise(errnum::kInvalidCall, {}, static_cast<std::int32_t>(GetLastError()));
  // The header stays hidden: the list's height is computed from its rows alone.
  list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                          WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                              LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER | LVS_SHAREIMAGELISTS,
                          0, 0, kDesignWidth, kDesignHeight, frame_, nullptr, Module(), nullptr);
  if (!list_) {
    const auto error = static_cast<std::int32_t>(GetLastError());
    DestroyWindow(frame_);
    Raise(errnum::kInvalidCall, {}, error);
  }
  SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  SetWindowSubclass(list_, &Window::ListProc, kListSubclassId, reinterpret_cast<DWORD_PTR>(this));
  // The icons are the same size as the shell's small ones, so rows keep their height when its
  // list takes over. The window owns the one list and shares the other: the list view must
  // destroy neither, hence LVS_SHAREIMAGELISTS.
  placeholderIcons_.reset(ImageList_Create(
      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), ILC_COLOR32 | ILC_MASK, 1, 0));
  if (placeholderIcons_)
    ImageList_AddIcon(placeholderIcons_.get(), LoadIconA(nullptr, IDI_APPLICATION));
  SendMessageA(list_, LVM_SETIMAGELIST, LVSIL_SMALL,
               reinterpret_cast<LPARAM>(placeholderIcons_.get()));
  FollowDpi();
  const char* headers[] = {"Company - Product", "Version"};
  for (int c = 0; c < 2; ++c) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(headers[c]);
    // Narrow enough that the list shows no horizontal scroll bar before it is fitted, since its
    // height would otherwise be computed with the bar's.
    column.cx = kDesignWidth / 3;
    column.iSubItem = c;
    SendMessageA(list_, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c),
                 reinterpret_cast<LPARAM>(&column));
  }
}

void Window::Add(const Candidate& row) {
  const std::wstring text = Utf8ToWide(row.text);
  const std::wstring detail = Utf8ToWide(row.detail);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
  item.iItem = Count();
  item.pszText = const_cast<wchar_t*>(text.c_str());
  item.iImage = 0;
  item.lParam = row.rowId;
  const auto index = SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  if (index < 0) Raise(errnum::kOutOfMemory);
  LVITEMW sub{};
  sub.iSubItem = 1;
  sub.pszText = const_cast<wchar_t*>(detail.c_str());
  SendMessageW(list_, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&sub));
  programs_.push_back(row.program);
  details_.push_back(detail);
  if (row.rowId >= 0) {
    if (colours_.size() <= static_cast<std::size_t>(row.rowId)) colours_.resize(row.rowId + 1u);
    colours_[static_cast<std::size_t>(row.rowId)] = row.colour;
  }
}

void Window::Clear() {
  SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
  colours_.clear();
  programs_.clear();
  details_.clear();
  detailsShortened_ = false;
  nextIcon_ = 0;
  if (shellIcons_)
    SendMessageA(list_, LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(placeholderIcons_.get()));
  shellIcons_ = false;
}

void Window::Show() {
  ShowWindow(frame_, SW_SHOWNORMAL);
  PostMessageA(frame_, kLoadIconsMessage, 0, 0);
}

void Window::SetRowImage(int row, int image) {
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iImage = image;
  SendMessageW(list_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

// One step a message, so that a click or key between two look-ups is answered at once: first
// the shell's list with the generic icon on every row, then one row's own icon at a time.
void Window::LoadNextIcon() {
  if (!shellIcons_) {
    const HIMAGELIST shell = SystemSmallIcons();
    const int generic = GenericProgramIcon();
    if (!shell || generic < 0) return;  // the generic icon of the placeholder stays
    SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(shell));
    for (int row = 0; row < Count(); ++row)
      SetRowImage(row, generic);
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
    shellIcons_ = true;
    nextIcon_ = 0;
  } else if (nextIcon_ < programs_.size()) {
    if (!programs_[nextIcon_].empty())
      SetRowImage(static_cast<int>(nextIcon_), ProgramIconIndex(programs_[nextIcon_]));
    ++nextIcon_;
  } else {
    return;
  }
  PostMessageA(frame_, kLoadIconsMessage, 0, 0);
}

bool Window::FitToList() {
  if (Count() > 0) {
    // Onto the monitor under the pointer first, so that the window takes that monitor's density
    // before it is measured.
    fitting_ = true;
    const RECT work = MonitorUnderPointer().rcWork;
    SetWindowPos(frame_, nullptr, work.left, work.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    fitting_ = false;
    FollowDpi();
  }
  if (!FitSize()) return false;
  RECT inner{};
  GetClientRect(frame_, &inner);
  const double twips = TwipsPerPixel(frame_);
  PlaceAtCursor(frame_, inner.right * twips / 2, inner.bottom * twips / 2);
  return true;
}

bool Window::FitSize() {
  RECT listRect{};
  GetWindowRect(list_, &listRect);
  const int oldListHeight = listRect.bottom - listRect.top;
  const int oldListWidth = listRect.right - listRect.left;
  const std::int32_t newListHeight = ListHeightForRows(list_, Count());
  if (newListHeight < 1) return false;
  // While the columns are fitted the list is as wide as the screen: a scroll bar that appeared
  // for a moment could otherwise stay for good, each bar keeping the other one needed.
  SetWindowPos(list_, nullptr, 0, 0, GetSystemMetrics(SM_CXVIRTUALSCREEN), newListHeight,
               SWP_NOMOVE | SWP_NOZORDER);
  if (detailsShortened_) SetDetails(0);  // fitted afresh from the whole texts
  AutoSizeColumns(list_, false, 0);
  HWND header = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
  const int columns = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;

  RECT frame{};
  RECT inner{};
  GetWindowRect(frame_, &frame);
  GetClientRect(frame_, &inner);
  if (columns >= 2) {
    // Never wider than the monitor's work area less the margins placement keeps: a long name
    // gives way (the list ends it with an ellipsis), the version and its mark stay whole.
    const RECT work = MonitorUnderPointer().rcWork;
    const UINT dpi = DpiOf(frame_);
    const int margins = 2 * RoundHalfEven(kPlacementMargin / TwipsPerPixel(frame_));
    const int borders = (frame.right - frame.left) - inner.right;
    const ColumnWidths wanted{static_cast<int>(SendMessageA(list_, LVM_GETCOLUMNWIDTH, 0, 0)),
                              static_cast<int>(SendMessageA(list_, LVM_GETCOLUMNWIDTH, 1, 0))};
    const ColumnWidths fitted =
        FitColumns(wanted, (work.right - work.left) - margins - borders - 1 - 2 * columns,
                   ScaleToDpi(kMinNameWidth, dpi));
    if (fitted.name != wanted.name) SendMessageA(list_, LVM_SETCOLUMNWIDTH, 0, fitted.name);
    if (fitted.version != wanted.version) {
      SendMessageA(list_, LVM_SETCOLUMNWIDTH, 1, fitted.version);
      SetDetails(fitted.version - ScaleToDpi(kCellPadding, dpi));
    }
  }
  int newListWidth = 1;
  for (int c = 0; c < columns; ++c)
    newListWidth += static_cast<int>(SendMessageA(list_, LVM_GETCOLUMNWIDTH, c, 0)) + 2;
  // A name wider than the screen gave the list scroll bars while it was fitted, and the two bars
  // would keep each other: the list drops them at a size with room to spare, then takes its own.
  SetWindowPos(list_, nullptr, 0, 0, newListWidth + 2 * GetSystemMetrics(SM_CXVSCROLL),
               newListHeight + 2 * GetSystemMetrics(SM_CYHSCROLL), SWP_NOMOVE | SWP_NOZORDER);
  SetWindowPos(list_, nullptr, 0, 0, newListWidth, newListHeight, SWP_NOMOVE | SWP_NOZORDER);

  // The frame grows by what the inner area grows, so the list is shown whole in both directions.
  const double innerW = inner.right;
  const double innerH = inner.bottom;
  const double width = frame.right - frame.left + innerW * newListWidth / oldListWidth - innerW;
  const double height = frame.bottom - frame.top + innerH * newListHeight / oldListHeight - innerH;
  SetWindowPos(frame_, nullptr, 0, 0, RoundHalfEven(width), RoundHalfEven(height),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

// The second column's texts: whole when width is 0, else a version too wide for width pixels
// is cut with an ellipsis in front of the Windows default mark, which stays whole.
void Window::SetDetails(int width) {
  const std::wstring mark(kDefaultMarker.begin(), kDefaultMarker.end());
  const auto fits = [&](const std::wstring& text) {
    return SendMessageW(list_, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())) <=
           width;
  };
  for (std::size_t row = 0; row < details_.size(); ++row) {
    std::wstring text = details_[row];
    if (width > 0 && !fits(text)) {
      const bool marked = text.size() >= mark.size() &&
                          text.compare(text.size() - mark.size(), mark.size(), mark) == 0;
      const std::wstring tail = std::wstring(L"\x2026") + (marked ? mark : std::wstring());
      const std::size_t version = text.size() - (marked ? mark.size() : 0);
      // The longest start of the version that fits with the tail.
      std::size_t low = 0;
      std::size_t high = version;
      while (low < high) {
        const std::size_t mid = (low + high + 1) / 2;
        if (fits(text.substr(0, mid) + tail)) {
          low = mid;
        } else {
          high = mid - 1;
        }
      }
      text = text.substr(0, low) + tail;
    }
    LVITEMW sub{};
    sub.iSubItem = 1;
    sub.pszText = text.data();
    SendMessageW(list_, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&sub));
  }
  detailsShortened_ = width > 0;
}

void Window::FollowDpi() {
  const UINT dpi = DpiOf(frame_);
  if (font_ && dpi == fontDpi_) return;
  const LOGFONTW description = ItemFontForDpi(dpi);
  FontHandle font(CreateFontIndirectW(&description));
  if (!font) return;
  SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  font_ = std::move(font);  // the list has let go of the old one
  fontDpi_ = dpi;
}

void Window::OnDpiChanged(const RECT& suggested) {
  SetWindowPos(frame_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  FollowDpi();
  // The list fills the inner area again, which the fitting's proportions start from.
  RECT inner{};
  GetClientRect(frame_, &inner);
  SetWindowPos(list_, nullptr, 0, 0, inner.right, inner.bottom, SWP_NOMOVE | SWP_NOZORDER);
  if (!fitting_ && Count() > 0) FitSize();
}

LRESULT Window::OnCustomDraw(NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      const auto tag = static_cast<std::size_t>(draw.nmcd.lItemlParam);
      if (tag < colours_.size()) draw.clrText = colours_[tag];
      return CDRF_NEWFONT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

void Window::OnFirstActivation() {
  activated_ = true;
  const bool queried = SkipFailure([&] {
    DWORD timeout = 0;
    if (!SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0))
      Raise(errnum::kInvalidCall, {}, static_cast<std::int32_t>(GetLastError()));
    lockTimeout_ = static_cast<std::int32_t>(timeout);
  });
  // Without the system's timeout the window pushes itself to the front on the first tick.
  tickLimit_ = queried ? RoundHalfEven(static_cast<double>(lockTimeout_) / kTimerInterval) : 0;
  SetTimer(frame_, kTimerId, kTimerInterval, nullptr);
  startForeground_ = GetForegroundWindow();
}

void Window::OnTimer() {
  if (busy_) return;
  busy_ = true;
  ++ticks_;
  PumpPendingMessages();
  if (!frame_) return;  // unloaded while messages were processed
  const HWND foreground = GetForegroundWindow();
  if (foreground == frame_) {
    wasForeground_ = true;
  } else if (wasForeground_) {
    KillTimer(frame_, kTimerId);
    Unload();
    return;
  } else if (ticks_ >= tickLimit_) {
    SetForegroundWindow(frame_);
  } else if (foreground != startForeground_) {
    KillTimer(frame_, kTimerId);
    Unload();
    return;
  }
  busy_ = false;
}

void Window::AcceptSelection() {
  const auto selected =
      SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
  if (selected >= 0) chosenIndex = static_cast<std::int32_t>(selected) + 1;
  Unload();
}

LRESULT CALLBACK Window::FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) {
        SetFocus(self->list_);  // keys go to the list
        if (!self->activated_) self->OnFirstActivation();
      }
      return 0;
    case WM_TIMER:
      if (wParam == kTimerId) self->OnTimer();
      return 0;
    case kLoadIconsMessage:
      self->LoadNextIcon();
      return 0;
    case WM_DPICHANGED:
      self->OnDpiChanged(*reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<NMHDR*>(lParam);
      if (header.hwndFrom != self->list_) break;
      if (header.code == NM_CUSTOMDRAW)
        return self->OnCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
      if (header.code == NM_CLICK || header.code == NM_DBLCLK) {
        self->AcceptSelection();
        return 0;
      }
      break;
    }
    case WM_NCDESTROY:
      // Unload: the window is gone; the instance is freed by the next look at the chooser.
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      self->frame_ = nullptr;
      self->list_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Window::ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR data) {
  // Every key that produces a character picks, Enter and Esc included; arrow keys produce none
  // and only move the selection.
  if (message == WM_CHAR) {
    reinterpret_cast<Window*>(data)->AcceptSelection();
    return 0;
  }
  if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &Window::ListProc, kListSubclassId);
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

ChooserWindow& Chooser() {
  if (!ChooserIsLoaded()) instance = std::make_unique<Window>();
  return *instance;
}

bool ChooserIsLoaded() {
  if (instance && !instance->Loaded()) instance.reset();
  return instance != nullptr;
}

std::int32_t& ChosenIndex() {
  return chosenIndex;
}

}  // namespace tavrel
